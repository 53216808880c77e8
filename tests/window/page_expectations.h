// What each of the nineteen pages of the editor must show, written down
// independently of the page builders so that the UI tests can hold the real
// pages against it: label lines and texts, places, sizes, identifiers, list
// entries, limits, what typing may and may not produce, members, collect
// forms and collect orders.
//
// Limits: `limit` is the edit's character limit L as the page tables give it.
// The accepts samples are no longer than L - 1 characters, so they hold
// whichever way the limit is counted. Rejected texts are rejected for their characters or their
// value, never for their length.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace kalvex::test {

struct ExpectedControl {
  std::string_view
      slot;  // "Enter", "Enter2", "Enter3", "Enter4", "Check1", "ComboBox1" ... "ComboBox6"
  std::string_view kind;  // "edit", "list" (drop-down list), "check"
  int id;  // 207, 214, 247, 257, 264, 267, 286 for edits; 200 for lists; 240 for check boxes
  std::string_view labelLine;  // "HelpDesc" ... "HelpDesc6", or "" for a check box (no label line)
  std::string_view label;      // the label text; for a check box its caption
  int x, y, w, h;
  std::string_view member;                // weapon record member, e.g. "Weapcode"
  std::string_view collect;               // "text", "direct", "mapped", "check"
  int limit;                              // edits: the limit L; 0 otherwise
  std::vector<std::string_view> entries;  // lists: in position order; empty otherwise
  std::vector<std::string_view> accepts;  // edits: texts the user can type whole
  std::vector<std::string_view> rejects;  // edits: texts typing cannot produce
};

struct ExpectedPage {
  std::string_view listEntry;                  // the page list entry
  std::string_view curHelp;                    // the sentence of the "Item Help" line
  std::vector<ExpectedControl> controls;       // in build (creation) order
  std::vector<std::string_view> collectOrder;  // slots in collect order
  // Label lines set without a control.
  std::vector<std::pair<std::string_view, std::string_view>> otherLabels = {};
};

namespace expect_detail {

using Texts = std::vector<std::string_view>;

// ---- List entries -------------------------------------------------------

inline const Texts kNoYes = {"No", "Yes"};

inline const Texts kStyleOfFire = {"Ballistic Path - Effected By Gravity",
                                   "Line Of Sight - Not Effected By Gravity - Straight",
                                   "Dropped - Dropped For Use, e.g. A Bomb"};

inline const Texts kRenderTypes = {
    "Laser / Beam Weapon", "Missile / Torpedos",        "Mindgun Weapon (?)", "Disintegrator Gun",
    "For Unit Explosions", "Flamethrower Type Weapons", "Bombs (From Air)",   "Lightning Guns"};

// clang-format off
inline const Texts kModels = {
    "Amd Rocket", "Asteroids", "Ball Missile (Nuke)", "Bomb", "Core Rocket", "Core Ship Rocket",
    "Core Bl Missile", "Depth Charge", "D-Gun", "Fmd Missile", "Missile", "Plasma", "Rocket",
    "Torpedo", "Beam - (NONE)"};

inline const Texts kBeamColours = {"Green", "Yellow", "Blue", "Purple", "Redish"};

inline const Texts kBarrelAngles = {"-------", "0",   "-5",  "-10", "-15",
                                    "-20",     "-25", "-30", "-35", "-40"};

// The normal explosion list spells its second entry with a small c,
// the water and lava lists with a capital C.
inline const Texts kNormalExplosionGaf = {"fx (Normal)", "commboom (Rare)"};
inline const Texts kOtherExplosionGaf = {"fx (Normal)", "Commboom (Rare)"};

inline const Texts kExplosionArt = {
    "Explode 2", "Explode 3", "Explode 4", "Explode 5", "NUKE1", "h2o",
    "h2oboom1", "h2oboom2", "lavasplash", "lavasplashsm", "lavasplashlg", "commboom"};

// Entry 6 has a leading blank, entry 15 a trailing one; the last means no sound.
inline const Texts kStartSounds = {
    "Annihilation Gun", "Arm Small 2", "Arm Small 3", "Bomber", "Cannon 1", "Cannon 2",
    " Light Cannon 3", "Heavy Cannon 1", "Heavy Cannon 2", "Heavy Cannon 5", "Disintigrater Gun 1",
    "EMG Pulse 1", "Heavy Flamer 1", "Fire Laser 1", "Fire Laser 3", "Fast Laser ", "Light Laser 1",
    "Massive Laser 2", "Heavy Laser 3", "Large Gun", "Heavy Light 1", "Misicbm 1 (Nuke Setup)",
    "Phaser", "Heavy Rocket 2", "Light Rocket 1", "Light Rocket 3", "Heavy Rocket 1", "Torpedo 1",
    "Torpedo 2", "Nuke Explosion 3(Big Bertha)", "Nuke Explosion 4(Big Bertha)", "None"};

// The last entry means no sound.
inline const Texts kHitSounds = {
    "Burning 2", "Explosion", "Laser Hit", "Laser Hit 1", "Laser Hit 2", "Depth Charge Explosion 1",
    "Depth Charge Explosion 2", "Depth Charge Explosion 3", "Small Explosion 2",
    "Small Explosion 3", "Medium Explosion 1", "Medium Explosion 2", "Medium Explosion 3",
    "Medium Explosion 4", "Large Explosion 1", "Large Explosion 4", "Large Explosion 3",
    "Nuke Explosion 1", "Nuke Explosion 3", "Nuke Explosion 4", "Masive Explosion 2 (Disi Gun)",
    "None"};
// clang-format on

// ---- What typing may produce --------------------------------------------
// Every accepted sample is at most L - 1 characters for the edit it is used on.

// Code and name (L 63): free text, blanks and the printable Latin-1
// characters included, but none of the characters that would break the
// script, nor control characters.
inline const Texts kScriptBreakers = {"a;b",  "A=B",  "[ABC",   "ABC]",  "{ABC",
                                      "ABC}", "A\nB", "A\177B", "A\205B"};
inline const Texts kCodeAccepts = {"",         "ROCKET2",   "ARM LASER",       "ABC",
                                   "CORE_GUN", "\311CLAIR", "ARM_BERTHACANNON"};
inline const Texts kNameAccepts = {"",
                                   "Light Rocket Launcher",
                                   "ROCKET2",
                                   "Heavy Laser (Mk 2)",
                                   "d-gun",
                                   "Fus\351e lourde",
                                   "\xFC\xA3\xDF\xA0\xFF\xBF",
                                   "Long Range Plasma Battery For The Northern Coast"};

// Whole numbers in a range, enforced while typing; empty is fine.
inline const Texts kId255Accepts = {"", "1", "42", "255"};
inline const Texts kId255Rejects = {"0",  "256", "1000", "abc", "1.5",
                                    "-1", "1 2", "12 ",  " ",   "a;b"};

// Every other number (L 15): a decimal number as the game's scripts write
// it, an optional leading minus, digits and at most one point, whatever its
// value; while typing, every start of one. A number takes no blank: the
// script would keep only what stands before it.
inline const Texts kNumberAccepts = {"",   "0", "1.5", "12000", "580.6", "0.367", "-5",
                                     ".5", "-", ".",   "-.",    "12.",   "-0.25", "12345678901234"};
inline const Texts kNumberRejects = {"abc", "1 5", "15 ", " 15", "1,5",  "1-", "--5",
                                     "5.-", "+5",  "1e3", "a;b", "1.2.", ".."};

// ---- Row makers ---------------------------------------------------------

inline ExpectedControl edit(std::string_view slot, int id, std::string_view labelLine,
                            std::string_view label, int x, int y, int w, int h,
                            std::string_view member, int limit, const Texts& accepts,
                            const Texts& rejects) {
  return {slot, "edit", id,     labelLine, label, x,       y,      w,
          h,    member, "text", limit,     {},    accepts, rejects};
}

inline ExpectedControl list(std::string_view slot, std::string_view labelLine,
                            std::string_view label, int x, int y, int w, int h,
                            std::string_view member, std::string_view collect,
                            const Texts& entries) {
  return {slot, "list", 200, labelLine, label, x, y, w, h, member, collect, 0, entries, {}, {}};
}

inline ExpectedControl check(std::string_view caption, int x, int y, int w, int h,
                             std::string_view member) {
  return {"Check1", "check", 240, "", caption, x, y, w, h, member, "check", 0, {}, {}, {}};
}

}  // namespace expect_detail

inline const std::vector<ExpectedPage> kExpectedPages = [] {
  using namespace expect_detail;
  return std::vector<ExpectedPage>{
      // 0
      {"Weapon Code",
       "The Name Of The Weapon (As seen in Unit file)",
       {edit("Enter", 207, "HelpDesc", "Enter The Name Of The Weapon Code (Capitals):", 30, 250,
             170, 20, "Weapcode", 63, kCodeAccepts, kScriptBreakers)},
       {"Enter"}},
      // 1
      {"Weapon Description",
       "Weapon Name - Just For Reference",
       {edit("Enter", 207, "HelpDesc", "Enter The Weapon Name:", 30, 250, 170, 20, "Weapname", 63,
             kNameAccepts, kScriptBreakers)},
       {"Enter"}},
      // 2
      {"Weapon ID",
       "Weapon ID - (Many Are Already Used)",
       {edit("Enter", 207, "HelpDesc", "Weapon ID (Up To 255):", 30, 250, 50, 20, "WeapID", 4,
             kId255Accepts, kId255Rejects)},
       {"Enter"}},
      // 3
      {"Damage",
       "Damage Weapon Inflicts",
       {edit("Enter", 207, "HelpDesc", "Enter Weapon Damage:", 30, 250, 50, 20, "Weapdamage", 15,
             kNumberAccepts, kNumberRejects)},
       {"Enter"}},
      // 4
      {"Turret?",
       "Does This Have A Movable Turret?",
       {list("ComboBox1", "HelpDesc", "Yes or No?:", 20, 250, 160, 60, "Weaptur", "mapped",
             kNoYes)},
       {"ComboBox1"}},
      // 5
      {"Range",
       "Range of Weapon - In Pixels",
       {edit("Enter", 207, "HelpDesc", "Enter The Range:", 30, 250, 50, 20, "Weaprange", 15,
             kNumberAccepts, kNumberRejects)},
       {"Enter"}},
      // 6
      {"Style Of Fire",
       "How is it Fired and Effected?",
       {list("ComboBox2", "HelpDesc", "How Is This Fired (Help Below):", 20, 250, 360, 80,
             "Weapstyle", "mapped", kStyleOfFire)},
       {"ComboBox2"}},
      // 7
      {"Reload",
       "Seconds Between Shots",
       {edit("Enter", 207, "HelpDesc", "Reload Time In Seconds (Decimals Are Aloud):", 30, 250, 50,
             20, "Weapreload", 15, kNumberAccepts, kNumberRejects)},
       {"Enter"}},
      // 8
      {"Resources",
       "Resources Needed By Weapon",
       {edit("Enter", 207, "HelpDesc", "Metal Used:", 30, 250, 50, 20, "Weapmet", 15,
             kNumberAccepts, kNumberRejects),
        edit("Enter2", 207, "HelpDesc2", "Energy Used:", 30, 320, 50, 20, "Weapenr", 15,
             kNumberAccepts, kNumberRejects),
        edit("Enter3", 207, "HelpDesc3", "Energy Used Per Shot:", 30, 390, 50, 20, "Weapenps", 15,
             kNumberAccepts, kNumberRejects)},
       {"Enter", "Enter2", "Enter3"}},
      // 9
      {"Weapon Speed etc",
       "Weapon Speeds and Acceleration",
       {edit("Enter", 207, "HelpDesc", "Speed (In Pixels Per Second):", 30, 250, 50, 20,
             "Weapspeed", 15, kNumberAccepts, kNumberRejects),
        edit("Enter2", 214, "HelpDesc2", "Acceleration (In Pixels/Second^2):", 30, 320, 50, 20,
             "Weapaccl", 15, kNumberAccepts, kNumberRejects),
        edit("Enter3", 264, "HelpDesc4", "Starting Speed (Normally 0):", 300, 250, 50, 20,
             "Weapstsp", 15, kNumberAccepts, kNumberRejects),
        list("ComboBox3", "HelpDesc5", "Does It Have A Propeller", 300, 320, 240, 120, "Weapprop",
             "direct", kNoYes)},
       {"Enter", "Enter3", "Enter2", "ComboBox3"}},
      // 10
      {"Weapon Appearance",
       "The Appearance Of Weapon (IMPORTANT)",
       {list("ComboBox1", "HelpDesc", "Type of Rendering (What Type?):", 20, 250, 260, 120,
             "Weaprend", "direct", kRenderTypes),
        list("ComboBox4", "HelpDesc2", "3D Models Used (Not For Beam):", 20, 320, 240, 120,
             "Weapmodl", "direct", kModels),
        check("Is This A Beam Weapon?", 300, 245, 200, 20, "Weapbeam"),
        list("ComboBox3", "HelpDesc5", "What Color Will The Beam Be?", 300, 320, 140, 120,
             "Weapcol2", "direct", kBeamColours)},
       {"ComboBox1", "ComboBox4", "ComboBox3", "Check1"},
       {{"HelpDesc6", "(Only Needed For Beam Weapons)"}}},
      // 11
      {"Weapon Aiming",
       "All About Aim and Travel Of The Weapon",
       {check("Is this A Guided Weapon?", 30, 230, 160, 20, "Weapguid"),
        edit("Enter", 207, "HelpDesc4", "Turnrate for Guided Missiles (0-69000)", 300, 250, 50, 20,
             "Weapturn", 15, kNumberAccepts, kNumberRejects),
        edit("Enter2", 207, "HelpDesc2", "Accuracy (Use 0 Unless A Cannon?)", 30, 320, 50, 20,
             "Weapaccu", 15, kNumberAccepts, kNumberRejects),
        edit("Enter3", 267, "HelpDesc5", "Aimrate - Rarely Used, For Unit Viewer!", 300, 320, 50,
             20, "Weaprate", 15, kNumberAccepts, kNumberRejects),
        edit("Enter4", 286, "HelpDesc3", "Tolerance, Accuracy When Aiming(0-69k)", 30, 390, 50, 20,
             "Weaptolr", 15, kNumberAccepts, kNumberRejects),
        list("ComboBox6", "HelpDesc6", "Minimum Angle Barrels Point(Select --- If Unsure!)", 300,
             390, 60, 120, "Weapbarr", "direct", kBarrelAngles)},
       {"ComboBox6", "Enter", "Enter2", "Enter3", "Enter4", "Check1"}},
      // 12
      {"Smoke Options",
       "How Does This Weapon Smoke?",
       {list("ComboBox1", "HelpDesc", "Does It Have A Smoke Trail?:", 20, 250, 160, 60, "Weapsmtl",
             "mapped", kNoYes),
        edit("Enter2", 207, "HelpDesc2", "Smoke Dispersal Interval (Seconds):", 20, 320, 50, 20,
             "Weapsmdl", 15, kNumberAccepts, kNumberRejects),
        list("ComboBox3", "HelpDesc4", "Does It Have A Smoke Puff When Fired?", 300, 250, 160, 60,
             "Weapsmst", "mapped", kNoYes),
        list("ComboBox2", "HelpDesc5", "Does It Have A Smoke Puff When Terminates", 300, 320, 160,
             60, "Weapsmed", "mapped", kNoYes)},
       {"ComboBox1", "ComboBox2", "ComboBox3", "Enter2"}},
      // 13
      {"Explosion GAF/ART",
       "What Pictures Do The Explosions Have?",
       {list("ComboBox1", "HelpDesc", "Normal Explosion GAF", 20, 250, 240, 120, "Weapexgaf",
             "direct", kNormalExplosionGaf),
        list("ComboBox2", "HelpDesc4", "Normal Explosion ART", 300, 250, 240, 120, "Weapexart",
             "direct", kExplosionArt),
        list("ComboBox4", "HelpDesc2", "Water Explosion GAF", 20, 320, 240, 120, "Weapwtgaf",
             "direct", kOtherExplosionGaf),
        list("ComboBox3", "HelpDesc5", "Water Explosion ART", 300, 320, 240, 120, "Weapwtart",
             "direct", kExplosionArt),
        list("ComboBox5", "HelpDesc3", "Lava Explosion GAF", 20, 390, 240, 120, "Weaplagaf",
             "direct", kOtherExplosionGaf),
        list("ComboBox6", "HelpDesc6", "Lava Explosion ART", 300, 390, 240, 120, "Weaplaart",
             "direct", kExplosionArt)},
       {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6"}},
      // 14
      {"Sounds",
       "What Are The Sounds Of Weapon Launch/Land?",
       {list("ComboBox1", "HelpDesc", "Sound For Weapon Start", 20, 250, 240, 120, "Weapsost",
             "direct", kStartSounds),
        list("ComboBox4", "HelpDesc2", "Sound Of Weapon Hitting", 20, 320, 240, 120, "Weapsoht",
             "direct", kHitSounds),
        check("Does This Sound When Fired In Burst Mode?", 20, 370, 300, 20, "Weapsotg")},
       {"ComboBox1", "ComboBox4", "Check1"}},
      // 15
      {"Terrain Effects",
       "What Effects Does The Weapon Have On The Terrain?",
       {edit("Enter", 207, "HelpDesc", "What Area Does This Effect", 20, 250, 50, 20, "Weapefft",
             15, kNumberAccepts, kNumberRejects),
        edit("Enter2", 257, "HelpDesc4", "Edge Of Effectiveness(ONLY For Rockets etc)", 300, 250,
             50, 20, "Weapeftn", 15, kNumberAccepts, kNumberRejects),
        edit("Enter3", 247, "HelpDesc2", "Chance Of Starting A Fire(0-100%):", 20, 320, 50, 20,
             "Weapfire", 15, kNumberAccepts, kNumberRejects),
        list("ComboBox3", "HelpDesc5", "Does It Only Damage Units - Not Terrain?", 300, 320, 140,
             120, "Weapunit", "direct", kNoYes),
        list("ComboBox5", "HelpDesc3", "Does It Bounce When Hit Ground?", 20, 390, 140, 120,
             "Weapbunc", "direct", kNoYes),
        list("ComboBox6", "HelpDesc6", "Will It Detonate When It Reaches It Range?", 300, 390, 140,
             120, "Weapblow", "direct", kNoYes)},
       {"Enter", "Enter2", "Enter3", "ComboBox3", "ComboBox5", "ComboBox6"}},
      // 16
      {"Burst/Rapid Fire",
       "Burst Mode For Weapons Like Flamethrower",
       {edit("Enter", 207, "HelpDesc", "How Many Times It Fires In One Burst:", 30, 250, 50, 20,
             "Weapbrst", 15, kNumberAccepts, kNumberRejects),
        edit("Enter2", 207, "HelpDesc2", "Time Delay Between Fire Burst Mode:", 30, 320, 50, 20,
             "Weapbsta", 15, kNumberAccepts, kNumberRejects),
        edit("Enter3", 207, "HelpDesc3", "Spread From The Line Spray Goes On:", 30, 390, 50, 20,
             "Weapspry", 15, kNumberAccepts, kNumberRejects)},
       {"Enter", "Enter2", "Enter3"}},
      // 17
      {"Bits On Weapon Opts",
       "Special Properties For Weapons/Options:",
       {list("ComboBox1", "HelpDesc", "Is This Weapon Self Propelled W/Burn?:", 30, 250, 70, 120,
             "Weapsprp", "direct", kNoYes),
        edit("Enter", 207, "HelpDesc4", "Flight-Time For Self Propelled Weapons:", 300, 250, 50, 20,
             "Weapfght", 15, kNumberAccepts, kNumberRejects),
        list("ComboBox2", "HelpDesc2", "Is This A Water Weapon?:", 30, 320, 70, 120, "Weapwatr",
             "direct", kNoYes),
        list("ComboBox3", "HelpDesc5", "Does This Have A Paralyzing Effect?:", 300, 320, 70, 120,
             "Weapparl", "direct", kNoYes),
        list("ComboBox4", "HelpDesc3", "Does Have To Be Fired By Player?:", 30, 390, 70, 120,
             "Weapcomm", "direct", kNoYes),
        edit("Enter2", 207, "HelpDesc6", "Time Will Decay At End Of Burst Path:", 300, 390, 50, 20,
             "Weaprand", 15, kNumberAccepts, kNumberRejects)},
       {"Enter", "Enter2", "ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"}},
      // 18
      {"Other Options",
       "Any Options Left Over:",
       {edit("Enter", 207, "HelpDesc", "Cover Of Weaps Which Shoot Weaps:", 30, 250, 50, 20,
             "Weapcovg", 15, kNumberAccepts, kNumberRejects),
        list("ComboBox2", "HelpDesc4", "Doesn't Explode When Hits Target?", 300, 250, 70, 120,
             "Weapxpld", "direct", kNoYes),
        edit("Enter2", 207, "HelpDesc2", "How Long The Weapons Active(Secs):", 30, 320, 50, 20,
             "Weaptime", 15, kNumberAccepts, kNumberRejects),
        list("ComboBox3", "HelpDesc5", "Will It Track A Moving Target?", 300, 320, 70, 120,
             "Weaptrak", "direct", kNoYes),
        list("ComboBox4", "HelpDesc3", "Will It NOT Detonate At Range Auto?:", 30, 390, 70, 120,
             "Weapauto", "direct", kNoYes)},
       {"Enter", "Enter2", "ComboBox2", "ComboBox3", "ComboBox4"}},
  };
}();

}  // namespace kalvex::test
