#include "pages/page_table.h"

#include "pages/control_ids.h"

namespace kalvex {
namespace {

using enum Slot;
using enum LabelLine;
using W = WeaponRecord;

// What the edits accept while the user types.
constexpr EditRule Range(int min, int max) { return {EditRule::Range, min, max, {}}; }
constexpr EditRule Filter(std::string_view set) { return {EditRule::Filter, 0, 0, set}; }
// A number as the game's scripts write it: an optional leading "-", digits,
// at most one point.
constexpr EditRule kDecimal = {EditRule::Decimal, 0, 0, {}};
constexpr int kNumberLimit = 15;
// Code and name: the printable single-byte characters, Latin-1 letters and
// signs included, except those that would break a script (";", "=", "[",
// "]", "{", "}").
constexpr EditRule kScriptSafe = Filter(" -:<>-Z\\^-z|~\xA0-\xFF");
constexpr int kTextLimit = 63;

constexpr PageControl Edit(Slot slot, int id, LabelLine line, std::string_view label, int x, int y,
                           int w, int h, int limit, EditRule rule, MemberRef member) {
  return {slot,   ControlKind::Edit, id,    line, label, x, y, w, h,
          member, CollectForm::Text, limit, rule, {}};
}

constexpr PageControl List(Slot slot, LabelLine line, std::string_view label, int x, int y, int w,
                           int h, std::span<const std::string_view> entries, MemberRef member) {
  const int id = ID_SIMPLE_COMBOBOX;  // the page list's: a choice reaches the page switch
  return {slot,   ControlKind::DropDownList, id, line, label,  x, y, w, h,
          member, CollectForm::List,         0,  {},   entries};
}

constexpr PageControl Check(Slot slot, std::string_view caption, int x, int y, int w, int h,
                            MemberRef member) {
  return {slot,   ControlKind::CheckBox, ID_CHECKBOX, None, caption, x, y, w, h,
          member, CollectForm::Check,    0,           {},   {}};
}

// ---- List entries ----

constexpr std::string_view kNoYes[] = {"No", "Yes"};

constexpr std::string_view kStyles[] = {"Ballistic Path - Effected By Gravity",
                                        "Line Of Sight - Not Effected By Gravity - Straight",
                                        "Dropped - Dropped For Use, e.g. A Bomb"};

constexpr std::string_view kRenderTypes[] = {
    "Laser / Beam Weapon", "Missile / Torpedos",        "Mindgun Weapon (?)", "Disintegrator Gun",
    "For Unit Explosions", "Flamethrower Type Weapons", "Bombs (From Air)",   "Lightning Guns"};

constexpr std::string_view kModels[] = {"Amd Rocket",
                                        "Asteroids",
                                        "Ball Missile (Nuke)",
                                        "Bomb",
                                        "Core Rocket",
                                        "Core Ship Rocket",
                                        "Core Bl Missile",
                                        "Depth Charge",
                                        "D-Gun",
                                        "Fmd Missile",
                                        "Missile",
                                        "Plasma",
                                        "Rocket",
                                        "Torpedo",
                                        "Beam - (NONE)"};

constexpr std::string_view kColours[] = {"Green", "Yellow", "Blue", "Purple", "Redish"};

constexpr std::string_view kBarrelAngles[] = {"-------", "0",   "-5",  "-10", "-15",
                                              "-20",     "-25", "-30", "-35", "-40"};

constexpr std::string_view kNormalGaf[] = {"fx (Normal)", "commboom (Rare)"};
constexpr std::string_view kTerrainGaf[] = {"fx (Normal)", "Commboom (Rare)"};

constexpr std::string_view kArt[] = {"Explode 2",  "Explode 3",    "Explode 4",    "Explode 5",
                                     "NUKE1",      "h2o",          "h2oboom1",     "h2oboom2",
                                     "lavasplash", "lavasplashsm", "lavasplashlg", "commboom"};

constexpr std::string_view kStartSounds[] = {"Annihilation Gun",
                                             "Arm Small 2",
                                             "Arm Small 3",
                                             "Bomber",
                                             "Cannon 1",
                                             "Cannon 2",
                                             " Light Cannon 3",
                                             "Heavy Cannon 1",
                                             "Heavy Cannon 2",
                                             "Heavy Cannon 5",
                                             "Disintigrater Gun 1",
                                             "EMG Pulse 1",
                                             "Heavy Flamer 1",
                                             "Fire Laser 1",
                                             "Fire Laser 3",
                                             "Fast Laser ",
                                             "Light Laser 1",
                                             "Massive Laser 2",
                                             "Heavy Laser 3",
                                             "Large Gun",
                                             "Heavy Light 1",
                                             "Misicbm 1 (Nuke Setup)",
                                             "Phaser",
                                             "Heavy Rocket 2",
                                             "Light Rocket 1",
                                             "Light Rocket 3",
                                             "Heavy Rocket 1",
                                             "Torpedo 1",
                                             "Torpedo 2",
                                             "Nuke Explosion 3(Big Bertha)",
                                             "Nuke Explosion 4(Big Bertha)",
                                             "None"};

constexpr std::string_view kHitSounds[] = {"Burning 2",
                                           "Explosion",
                                           "Laser Hit",
                                           "Laser Hit 1",
                                           "Laser Hit 2",
                                           "Depth Charge Explosion 1",
                                           "Depth Charge Explosion 2",
                                           "Depth Charge Explosion 3",
                                           "Small Explosion 2",
                                           "Small Explosion 3",
                                           "Medium Explosion 1",
                                           "Medium Explosion 2",
                                           "Medium Explosion 3",
                                           "Medium Explosion 4",
                                           "Large Explosion 1",
                                           "Large Explosion 4",
                                           "Large Explosion 3",
                                           "Nuke Explosion 1",
                                           "Nuke Explosion 3",
                                           "Nuke Explosion 4",
                                           "Masive Explosion 2 (Disi Gun)",
                                           "None"};

// ---- Shared shapes ----

// A "No"/"Yes" list that edits a flag and stores the selected position.
constexpr PageControl FlagList(Slot slot, LabelLine line, std::string_view label, int x, int y,
                               int w, MemberRef member) {
  return List(slot, line, label, x, y, w, 120, kNoYes, member);
}

// Three decimal edits down the left column, as pages 8 and 16 have them.
constexpr std::array<PageControl, 3> LeftColumnEdits(std::string_view label1, MemberRef member1,
                                                     std::string_view label2, MemberRef member2,
                                                     std::string_view label3, MemberRef member3) {
  return {
      Edit(Enter, ID_EDIT, HelpDesc, label1, 30, 250, 50, 20, kNumberLimit, kDecimal, member1),
      Edit(Enter2, ID_EDIT, HelpDesc2, label2, 30, 320, 50, 20, kNumberLimit, kDecimal, member2),
      Edit(Enter3, ID_EDIT, HelpDesc3, label3, 30, 390, 50, 20, kNumberLimit, kDecimal, member3)};
}
constexpr Slot kLeftColumnOrder[] = {Enter, Enter2, Enter3};

// ---- The pages ----

constexpr PageControl kPage0[] = {Edit(Enter, ID_EDIT, HelpDesc,
                                       "Enter The Name Of The Weapon Code (Capitals):", 30, 250,
                                       170, 20, kTextLimit, kScriptSafe, &W::Weapcode)};

constexpr PageControl kPage1[] = {Edit(Enter, ID_EDIT, HelpDesc, "Enter The Weapon Name:", 30, 250,
                                       170, 20, kTextLimit, kScriptSafe, &W::Weapname)};

constexpr PageControl kPage2[] = {Edit(Enter, ID_EDIT, HelpDesc, "Weapon ID (Up To 255):", 30, 250,
                                       50, 20, 4, Range(1, 255), &W::WeapID)};

constexpr PageControl kPage3[] = {Edit(Enter, ID_EDIT, HelpDesc, "Enter Weapon Damage:", 30, 250,
                                       50, 20, kNumberLimit, kDecimal, &W::Weapdamage)};

constexpr PageControl kPage4[] = {
    List(ComboBox1, HelpDesc, "Yes or No?:", 20, 250, 160, 60, kNoYes, &W::Weaptur)};

constexpr PageControl kPage5[] = {Edit(Enter, ID_EDIT, HelpDesc, "Enter The Range:", 30, 250, 50,
                                       20, kNumberLimit, kDecimal, &W::Weaprange)};

constexpr PageControl kPage6[] = {List(ComboBox2, HelpDesc, "How Is This Fired (Help Below):", 20,
                                       250, 360, 80, kStyles, &W::Weapstyle)};

constexpr PageControl kPage7[] = {Edit(Enter, ID_EDIT, HelpDesc,
                                       "Reload Time In Seconds (Decimals Are Aloud):", 30, 250, 50,
                                       20, kNumberLimit, kDecimal, &W::Weapreload)};

constexpr auto kPage8 = LeftColumnEdits("Metal Used:", &W::Weapmet,   //
                                        "Energy Used:", &W::Weapenr,  //
                                        "Energy Used Per Shot:", &W::Weapenps);

constexpr PageControl kPage9[] = {
    Edit(Enter, ID_EDIT, HelpDesc, "Speed (In Pixels Per Second):", 30, 250, 50, 20, kNumberLimit,
         kDecimal, &W::Weapspeed),
    Edit(Enter2, ID_EDIT_ACCELERATION, HelpDesc2, "Acceleration (In Pixels/Second^2):", 30, 320, 50,
         20, kNumberLimit, kDecimal, &W::Weapaccl),
    Edit(Enter3, ID_EDIT_START_SPEED, HelpDesc4, "Starting Speed (Normally 0):", 300, 250, 50, 20,
         kNumberLimit, kDecimal, &W::Weapstsp),
    List(ComboBox3, HelpDesc5, "Does It Have A Propeller", 300, 320, 240, 120, kNoYes,
         &W::Weapprop)};
constexpr Slot kPage9Order[] = {Enter, Enter3, Enter2, ComboBox3};

constexpr PageControl kPage10[] = {
    List(ComboBox1, HelpDesc, "Type of Rendering (What Type?):", 20, 250, 260, 120, kRenderTypes,
         &W::Weaprend),
    List(ComboBox4, HelpDesc2, "3D Models Used (Not For Beam):", 20, 320, 240, 120, kModels,
         &W::Weapmodl),
    Check(Check1, "Is This A Beam Weapon?", 300, 245, 200, 20, &W::Weapbeam),
    List(ComboBox3, HelpDesc5, "What Color Will The Beam Be?", 300, 320, 140, 120, kColours,
         &W::Weapcol2)};
constexpr Slot kPage10Order[] = {ComboBox1, ComboBox4, ComboBox3, Check1};
constexpr PageNote kPage10Notes[] = {{HelpDesc6, "(Only Needed For Beam Weapons)"}};

constexpr PageControl kPage11[] = {
    Check(Check1, "Is this A Guided Weapon?", 30, 230, 160, 20, &W::Weapguid),
    Edit(Enter, ID_EDIT, HelpDesc4, "Turnrate for Guided Missiles (0-69000)", 300, 250, 50, 20,
         kNumberLimit, kDecimal, &W::Weapturn),
    Edit(Enter2, ID_EDIT, HelpDesc2, "Accuracy (Use 0 Unless A Cannon?)", 30, 320, 50, 20,
         kNumberLimit, kDecimal, &W::Weapaccu),
    Edit(Enter3, ID_EDIT_AIM_RATE, HelpDesc5, "Aimrate - Rarely Used, For Unit Viewer!", 300, 320,
         50, 20, kNumberLimit, kDecimal, &W::Weaprate),
    Edit(Enter4, ID_EDIT_TOLERANCE, HelpDesc3, "Tolerance, Accuracy When Aiming(0-69k)", 30, 390,
         50, 20, kNumberLimit, kDecimal, &W::Weaptolr),
    List(ComboBox6, HelpDesc6, "Minimum Angle Barrels Point(Select --- If Unsure!)", 300, 390, 60,
         120, kBarrelAngles, &W::Weapbarr)};
constexpr Slot kPage11Order[] = {ComboBox6, Enter, Enter2, Enter3, Enter4, Check1};

constexpr PageControl kPage12[] = {
    List(ComboBox1, HelpDesc, "Does It Have A Smoke Trail?:", 20, 250, 160, 60, kNoYes,
         &W::Weapsmtl),
    Edit(Enter2, ID_EDIT, HelpDesc2, "Smoke Dispersal Interval (Seconds):", 20, 320, 50, 20,
         kNumberLimit, kDecimal, &W::Weapsmdl),
    List(ComboBox3, HelpDesc4, "Does It Have A Smoke Puff When Fired?", 300, 250, 160, 60, kNoYes,
         &W::Weapsmst),
    List(ComboBox2, HelpDesc5, "Does It Have A Smoke Puff When Terminates", 300, 320, 160, 60,
         kNoYes, &W::Weapsmed)};
constexpr Slot kPage12Order[] = {ComboBox1, ComboBox2, ComboBox3, Enter2};

constexpr PageControl kPage13[] = {
    List(ComboBox1, HelpDesc, "Normal Explosion GAF", 20, 250, 240, 120, kNormalGaf, &W::Weapexgaf),
    List(ComboBox2, HelpDesc4, "Normal Explosion ART", 300, 250, 240, 120, kArt, &W::Weapexart),
    List(ComboBox4, HelpDesc2, "Water Explosion GAF", 20, 320, 240, 120, kTerrainGaf,
         &W::Weapwtgaf),
    List(ComboBox3, HelpDesc5, "Water Explosion ART", 300, 320, 240, 120, kArt, &W::Weapwtart),
    List(ComboBox5, HelpDesc3, "Lava Explosion GAF", 20, 390, 240, 120, kTerrainGaf, &W::Weaplagaf),
    List(ComboBox6, HelpDesc6, "Lava Explosion ART", 300, 390, 240, 120, kArt, &W::Weaplaart)};
constexpr Slot kPage13Order[] = {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5, ComboBox6};

constexpr PageControl kPage14[] = {
    List(ComboBox1, HelpDesc, "Sound For Weapon Start", 20, 250, 240, 120, kStartSounds,
         &W::Weapsost),
    List(ComboBox4, HelpDesc2, "Sound Of Weapon Hitting", 20, 320, 240, 120, kHitSounds,
         &W::Weapsoht),
    Check(Check1, "Does This Sound When Fired In Burst Mode?", 20, 370, 300, 20, &W::Weapsotg)};
constexpr Slot kPage14Order[] = {ComboBox1, ComboBox4, Check1};

constexpr PageControl kPage15[] = {
    Edit(Enter, ID_EDIT, HelpDesc, "What Area Does This Effect", 20, 250, 50, 20, kNumberLimit,
         kDecimal, &W::Weapefft),
    Edit(Enter2, ID_EDIT_EFFECT_EDGE, HelpDesc4, "Edge Of Effectiveness(ONLY For Rockets etc)", 300,
         250, 50, 20, kNumberLimit, kDecimal, &W::Weapeftn),
    Edit(Enter3, ID_EDIT_FIRE_CHANCE, HelpDesc2, "Chance Of Starting A Fire(0-100%):", 20, 320, 50,
         20, kNumberLimit, kDecimal, &W::Weapfire),
    FlagList(ComboBox3, HelpDesc5, "Does It Only Damage Units - Not Terrain?", 300, 320, 140,
             &W::Weapunit),
    FlagList(ComboBox5, HelpDesc3, "Does It Bounce When Hit Ground?", 20, 390, 140, &W::Weapbunc),
    FlagList(ComboBox6, HelpDesc6, "Will It Detonate When It Reaches It Range?", 300, 390, 140,
             &W::Weapblow)};
constexpr Slot kPage15Order[] = {Enter, Enter2, Enter3, ComboBox3, ComboBox5, ComboBox6};

constexpr auto kPage16 = LeftColumnEdits("How Many Times It Fires In One Burst:", &W::Weapbrst,
                                         "Time Delay Between Fire Burst Mode:", &W::Weapbsta,
                                         "Spread From The Line Spray Goes On:", &W::Weapspry);

constexpr PageControl kPage17[] = {
    FlagList(ComboBox1, HelpDesc, "Is This Weapon Self Propelled W/Burn?:", 30, 250, 70,
             &W::Weapsprp),
    Edit(Enter, ID_EDIT, HelpDesc4, "Flight-Time For Self Propelled Weapons:", 300, 250, 50, 20,
         kNumberLimit, kDecimal, &W::Weapfght),
    FlagList(ComboBox2, HelpDesc2, "Is This A Water Weapon?:", 30, 320, 70, &W::Weapwatr),
    FlagList(ComboBox3, HelpDesc5, "Does This Have A Paralyzing Effect?:", 300, 320, 70,
             &W::Weapparl),
    FlagList(ComboBox4, HelpDesc3, "Does Have To Be Fired By Player?:", 30, 390, 70, &W::Weapcomm),
    Edit(Enter2, ID_EDIT, HelpDesc6, "Time Will Decay At End Of Burst Path:", 300, 390, 50, 20,
         kNumberLimit, kDecimal, &W::Weaprand)};
constexpr Slot kPage17Order[] = {Enter, Enter2, ComboBox1, ComboBox2, ComboBox3, ComboBox4};

constexpr PageControl kPage18[] = {
    Edit(Enter, ID_EDIT, HelpDesc, "Cover Of Weaps Which Shoot Weaps:", 30, 250, 50, 20,
         kNumberLimit, kDecimal, &W::Weapcovg),
    FlagList(ComboBox2, HelpDesc4, "Doesn't Explode When Hits Target?", 300, 250, 70, &W::Weapxpld),
    Edit(Enter2, ID_EDIT, HelpDesc2, "How Long The Weapons Active(Secs):", 30, 320, 50, 20,
         kNumberLimit, kDecimal, &W::Weaptime),
    FlagList(ComboBox3, HelpDesc5, "Will It Track A Moving Target?", 300, 320, 70, &W::Weaptrak),
    FlagList(ComboBox4, HelpDesc3, "Will It NOT Detonate At Range Auto?:", 30, 390, 70,
             &W::Weapauto)};
constexpr Slot kPage18Order[] = {Enter, Enter2, ComboBox2, ComboBox3, ComboBox4};

// A page whose controls are collected in the order they are built.
template <std::size_t N>
constexpr std::array<Slot, N> BuildOrder(const PageControl (&controls)[N]) {
  std::array<Slot, N> order{};
  for (std::size_t i = 0; i < N; ++i) order[i] = controls[i].slot;
  return order;
}

constexpr auto kPage0Order = BuildOrder(kPage0);
constexpr auto kPage1Order = BuildOrder(kPage1);
constexpr auto kPage2Order = BuildOrder(kPage2);
constexpr auto kPage3Order = BuildOrder(kPage3);
constexpr auto kPage4Order = BuildOrder(kPage4);
constexpr auto kPage5Order = BuildOrder(kPage5);
constexpr auto kPage6Order = BuildOrder(kPage6);
constexpr auto kPage7Order = BuildOrder(kPage7);

}  // namespace

const std::array<PageDescription, kPageCount>& Pages() {
  static constexpr std::array<PageDescription, kPageCount> pages = {{
      {"Weapon Code", "The Name Of The Weapon (As seen in Unit file)", kPage0, kPage0Order, {}},
      {"Weapon Description", "Weapon Name - Just For Reference", kPage1, kPage1Order, {}},
      {"Weapon ID", "Weapon ID - (Many Are Already Used)", kPage2, kPage2Order, {}},
      {"Damage", "Damage Weapon Inflicts", kPage3, kPage3Order, {}},
      {"Turret?", "Does This Have A Movable Turret?", kPage4, kPage4Order, {}},
      {"Range", "Range of Weapon - In Pixels", kPage5, kPage5Order, {}},
      {"Style Of Fire", "How is it Fired and Effected?", kPage6, kPage6Order, {}},
      {"Reload", "Seconds Between Shots", kPage7, kPage7Order, {}},
      {"Resources", "Resources Needed By Weapon", kPage8, kLeftColumnOrder, {}},
      {"Weapon Speed etc", "Weapon Speeds and Acceleration", kPage9, kPage9Order, {}},
      {"Weapon Appearance", "The Appearance Of Weapon (IMPORTANT)", kPage10, kPage10Order,
       kPage10Notes},
      {"Weapon Aiming", "All About Aim and Travel Of The Weapon", kPage11, kPage11Order, {}},
      {"Smoke Options", "How Does This Weapon Smoke?", kPage12, kPage12Order, {}},
      {"Explosion GAF/ART", "What Pictures Do The Explosions Have?", kPage13, kPage13Order, {}},
      {"Sounds", "What Are The Sounds Of Weapon Launch/Land?", kPage14, kPage14Order, {}},
      {"Terrain Effects",
       "What Effects Does The Weapon Have On The Terrain?",
       kPage15,
       kPage15Order,
       {}},
      {"Burst/Rapid Fire",
       "Burst Mode For Weapons Like Flamethrower",
       kPage16,
       kLeftColumnOrder,
       {}},
      {"Bits On Weapon Opts", "Special Properties For Weapons/Options:", kPage17, kPage17Order, {}},
      {"Other Options", "Any Options Left Over:", kPage18, kPage18Order, {}},
  }};
  return pages;
}

int PageOfField(const RecordField& field) {
  for (int page = 0; page < kPageCount; ++page) {
    for (const PageControl& c : Pages()[page].controls) {
      if ((field.text && c.member.text == field.text) ||
          (field.number && c.member.number == field.number)) {
        return page;
      }
    }
  }
  return -1;
}

}  // namespace kalvex
