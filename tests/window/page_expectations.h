// What each of the nineteen pages of the editor must show, written down
// independently of the pages' own table so that the window cases hold the
// real pages against it: the page list's entries, each page's sentence, and
// for each control its kind, identifier, label line and label, place and
// size, the record member it shows and receives, its list entries, and what
// an edit takes: its limit and texts that typing may and may not produce.
//
// Limits: `limit` is how many characters the user can type into the edit.
// Accepted samples are no longer than the limit; rejected texts are rejected
// for their characters or their value, never for their length.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "tests/window/window_driver.h"

namespace kalvex::test {

using Texts = std::vector<std::string_view>;

// The kinds of control, as WindowDriver::KindOf names them.
inline constexpr std::string_view kEdit = "edit";
inline constexpr std::string_view kList = "drop-down list";
inline constexpr std::string_view kCheck = "check box";

struct ExpectedControl {
  std::string_view slot;  // "Enter" … "Enter4", "Check1", "ComboBox1" … "ComboBox6"
  std::string_view kind;
  int id;
  std::string_view labelLine = {};  // "HelpDesc" … "HelpDesc6"; none for a check box
  std::string_view label;           // the label's text; a check box's caption
  ControlPlace place;               // a closed drop-down list has the platform's height
  std::string_view member;          // the weapon record member, e.g. "Weapcode"
  int limit = 0;                    // edits
  Texts entries = {};               // drop-down lists, in position order
  Texts accepts = {};               // edits: texts the user can type or paste whole
  Texts rejects = {};               // edits: texts that typing or pasting cannot produce
};

struct ExpectedPage {
  std::string_view listEntry;             // the page list's entry
  std::string_view curHelp;               // the sentence of the "Item Help" line
  std::vector<ExpectedControl> controls;  // in build order
  // Label lines set without a control.
  std::vector<std::pair<std::string_view, std::string_view>> otherLabels = {};
};

namespace expect_detail {

// ---- List entries -------------------------------------------------------

inline const Texts kNoYes = {"No", "Yes"};

inline const Texts kStyleOfFire = {
    "Ballistic Path - Effected By Gravity",
    "Line Of Sight - Not Effected By Gravity - Straight",
    "Dropped - Dropped For Use, e.g. A Bomb",
};

inline const Texts kRenderTypes = {
    "Laser / Beam Weapon", "Missile / Torpedos",        "Mindgun Weapon (?)", "Disintegrator Gun",
    "For Unit Explosions", "Flamethrower Type Weapons", "Bombs (From Air)",   "Lightning Guns",
};

inline const Texts kModels = {
    "Amd Rocket",
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
    "Beam - (NONE)",
};

inline const Texts kBeamColours = {"Green", "Yellow", "Blue", "Purple", "Redish"};

inline const Texts kBarrelAngles = {"-------", "0",   "-5",  "-10", "-15",
                                    "-20",     "-25", "-30", "-35", "-40"};

// The normal explosion list spells its second entry with a small c, the
// water and lava lists with a capital C.
inline const Texts kNormalExplosionGaf = {"fx (Normal)", "commboom (Rare)"};
inline const Texts kOtherExplosionGaf = {"fx (Normal)", "Commboom (Rare)"};

// "h2o" with the letter o, as the game's own scripts spell it.
inline const Texts kExplosionArt = {
    "Explode 2", "Explode 3", "Explode 4",  "Explode 5",    "NUKE1",        "h2o",
    "h2oboom1",  "h2oboom2",  "lavasplash", "lavasplashsm", "lavasplashlg", "commboom",
};

// Entry 6 has a leading blank, entry 15 a trailing one; the last means no sound.
inline const Texts kStartSounds = {"Annihilation Gun",
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

// Entries 14 to 16 run 1, 4, 3; the last means no sound.
inline const Texts kHitSounds = {"Burning 2",
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

// ---- What typing may produce --------------------------------------------

// Code and name (63 characters): free text, blanks and the printable Latin-1
// characters included, but none of the characters that would break the
// script, nor control characters.
inline constexpr int kTextLimit = 63;
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

// The weapon ID (4 characters): a whole number from 1 to 255, enforced while
// typing; empty is fine.
inline constexpr int kIdLimit = 4;
inline const Texts kIdAccepts = {"", "1", "42", "255"};
inline const Texts kIdRejects = {"0", "256", "1000", "abc", "1.5", "-1", "1 2", "12 ", " ", "a;b"};

// Every other number (15 characters): a decimal number as the game's scripts
// write it, an optional leading minus, digits and at most one point,
// whatever its value; while typing, every start of one. A number takes no
// blank: the script would keep only what stands before it.
inline constexpr int kNumberLimit = 15;
inline const Texts kNumberAccepts = {"",   "0", "1.5", "12000", "580.6", "0.367", "-5",
                                     ".5", "-", ".",   "-.",    "12.",   "-0.25", "12345678901234"};
inline const Texts kNumberRejects = {"abc", "1 5", "15 ", " 15", "1,5",  "1-", "--5",
                                     "5.-", "+5",  "1e3", "a;b", "1.2.", ".."};

// A number's edit at its place, labelled.
inline ExpectedControl NumberEdit(std::string_view slot, int id, std::string_view labelLine,
                                  std::string_view label, ControlPlace place,
                                  std::string_view member) {
  return {.slot = slot,
          .kind = kEdit,
          .id = id,
          .labelLine = labelLine,
          .label = label,
          .place = place,
          .member = member,
          .limit = kNumberLimit,
          .accepts = kNumberAccepts,
          .rejects = kNumberRejects};
}

// A drop-down list at its place, labelled.
inline ExpectedControl List(std::string_view slot, std::string_view labelLine,
                            std::string_view label, ControlPlace place, std::string_view member,
                            const Texts& entries) {
  return {.slot = slot,
          .kind = kList,
          .id = 200,
          .labelLine = labelLine,
          .label = label,
          .place = place,
          .member = member,
          .entries = entries};
}

// The check box, with its caption.
inline ExpectedControl CheckBox(std::string_view caption, ControlPlace place,
                                std::string_view member) {
  return {.slot = "Check1",
          .kind = kCheck,
          .id = 240,
          .label = caption,
          .place = place,
          .member = member};
}

}  // namespace expect_detail

inline const std::vector<ExpectedPage> kExpectedPages = [] {
  using namespace expect_detail;
  return std::vector<ExpectedPage>{
      {.listEntry = "Weapon Code",
       .curHelp = "The Name Of The Weapon (As seen in Unit file)",
       .controls = {{.slot = "Enter",
                     .kind = kEdit,
                     .id = 207,
                     .labelLine = "HelpDesc",
                     .label = "Enter The Name Of The Weapon Code (Capitals):",
                     .place = {30, 250, 170, 20},
                     .member = "Weapcode",
                     .limit = kTextLimit,
                     .accepts = kCodeAccepts,
                     .rejects = kScriptBreakers}}},
      {.listEntry = "Weapon Description",
       .curHelp = "Weapon Name - Just For Reference",
       .controls = {{.slot = "Enter",
                     .kind = kEdit,
                     .id = 207,
                     .labelLine = "HelpDesc",
                     .label = "Enter The Weapon Name:",
                     .place = {30, 250, 170, 20},
                     .member = "Weapname",
                     .limit = kTextLimit,
                     .accepts = kNameAccepts,
                     .rejects = kScriptBreakers}}},
      {.listEntry = "Weapon ID",
       .curHelp = "Weapon ID - (Many Are Already Used)",
       .controls = {{.slot = "Enter",
                     .kind = kEdit,
                     .id = 207,
                     .labelLine = "HelpDesc",
                     .label = "Weapon ID (Up To 255):",
                     .place = {30, 250, 50, 20},
                     .member = "WeapID",
                     .limit = kIdLimit,
                     .accepts = kIdAccepts,
                     .rejects = kIdRejects}}},
      {.listEntry = "Damage",
       .curHelp = "Damage Weapon Inflicts",
       .controls = {NumberEdit("Enter", 207, "HelpDesc", "Enter Weapon Damage:", {30, 250, 50, 20},
                               "Weapdamage")}},
      {.listEntry = "Turret?",
       .curHelp = "Does This Have A Movable Turret?",
       .controls = {List("ComboBox1", "HelpDesc", "Yes or No?:", {20, 250, 160, 60}, "Weaptur",
                         kNoYes)}},
      {.listEntry = "Range",
       .curHelp = "Range of Weapon - In Pixels",
       .controls = {NumberEdit("Enter", 207, "HelpDesc", "Enter The Range:", {30, 250, 50, 20},
                               "Weaprange")}},
      {.listEntry = "Style Of Fire",
       .curHelp = "How is it Fired and Effected?",
       .controls = {List("ComboBox2", "HelpDesc", "How Is This Fired (Help Below):",
                         {20, 250, 360, 80}, "Weapstyle", kStyleOfFire)}},
      {.listEntry = "Reload",
       .curHelp = "Seconds Between Shots",
       .controls = {NumberEdit("Enter", 207, "HelpDesc",
                               "Reload Time In Seconds (Decimals Are Aloud):", {30, 250, 50, 20},
                               "Weapreload")}},
      {.listEntry = "Resources",
       .curHelp = "Resources Needed By Weapon",
       .controls = {NumberEdit("Enter", 207, "HelpDesc", "Metal Used:", {30, 250, 50, 20},
                               "Weapmet"),
                    NumberEdit("Enter2", 207, "HelpDesc2", "Energy Used:", {30, 320, 50, 20},
                               "Weapenr"),
                    NumberEdit("Enter3", 207, "HelpDesc3",
                               "Energy Used Per Shot:", {30, 390, 50, 20}, "Weapenps")}},
      {.listEntry = "Weapon Speed etc",
       .curHelp = "Weapon Speeds and Acceleration",
       .controls = {NumberEdit("Enter", 207, "HelpDesc",
                               "Speed (In Pixels Per Second):", {30, 250, 50, 20}, "Weapspeed"),
                    NumberEdit("Enter2", 214, "HelpDesc2",
                               "Acceleration (In Pixels/Second^2):", {30, 320, 50, 20}, "Weapaccl"),
                    NumberEdit("Enter3", 264, "HelpDesc4",
                               "Starting Speed (Normally 0):", {300, 250, 50, 20}, "Weapstsp"),
                    List("ComboBox3", "HelpDesc5", "Does It Have A Propeller", {300, 320, 240, 120},
                         "Weapprop", kNoYes)}},
      {.listEntry = "Weapon Appearance",
       .curHelp = "The Appearance Of Weapon (IMPORTANT)",
       .controls = {List("ComboBox1", "HelpDesc", "Type of Rendering (What Type?):",
                         {20, 250, 260, 120}, "Weaprend", kRenderTypes),
                    List("ComboBox4", "HelpDesc2", "3D Models Used (Not For Beam):",
                         {20, 320, 240, 120}, "Weapmodl", kModels),
                    CheckBox("Is This A Beam Weapon?", {300, 245, 200, 20}, "Weapbeam"),
                    List("ComboBox3", "HelpDesc5", "What Color Will The Beam Be?",
                         {300, 320, 140, 120}, "Weapcol2", kBeamColours)},
       .otherLabels = {{"HelpDesc6", "(Only Needed For Beam Weapons)"}}},
      {.listEntry = "Weapon Aiming",
       .curHelp = "All About Aim and Travel Of The Weapon",
       .controls = {CheckBox("Is this A Guided Weapon?", {30, 230, 160, 20}, "Weapguid"),
                    NumberEdit("Enter", 207, "HelpDesc4", "Turnrate for Guided Missiles (0-69000)",
                               {300, 250, 50, 20}, "Weapturn"),
                    NumberEdit("Enter2", 207, "HelpDesc2", "Accuracy (Use 0 Unless A Cannon?)",
                               {30, 320, 50, 20}, "Weapaccu"),
                    NumberEdit("Enter3", 267, "HelpDesc5",
                               "Aimrate - Rarely Used, For Unit Viewer!", {300, 320, 50, 20},
                               "Weaprate"),
                    NumberEdit("Enter4", 286, "HelpDesc3", "Tolerance, Accuracy When Aiming(0-69k)",
                               {30, 390, 50, 20}, "Weaptolr"),
                    List("ComboBox6", "HelpDesc6",
                         "Minimum Angle Barrels Point(Select --- If Unsure!)", {300, 390, 60, 120},
                         "Weapbarr", kBarrelAngles)}},
      {.listEntry = "Smoke Options",
       .curHelp = "How Does This Weapon Smoke?",
       .controls = {List("ComboBox1", "HelpDesc",
                         "Does It Have A Smoke Trail?:", {20, 250, 160, 60}, "Weapsmtl", kNoYes),
                    NumberEdit("Enter2", 207, "HelpDesc2", "Smoke Dispersal Interval (Seconds):",
                               {20, 320, 50, 20}, "Weapsmdl"),
                    List("ComboBox3", "HelpDesc4", "Does It Have A Smoke Puff When Fired?",
                         {300, 250, 160, 60}, "Weapsmst", kNoYes),
                    List("ComboBox2", "HelpDesc5", "Does It Have A Smoke Puff When Terminates",
                         {300, 320, 160, 60}, "Weapsmed", kNoYes)}},
      {.listEntry = "Explosion GAF/ART",
       .curHelp = "What Pictures Do The Explosions Have?",
       .controls = {List("ComboBox1", "HelpDesc", "Normal Explosion GAF", {20, 250, 240, 120},
                         "Weapexgaf", kNormalExplosionGaf),
                    List("ComboBox2", "HelpDesc4", "Normal Explosion ART", {300, 250, 240, 120},
                         "Weapexart", kExplosionArt),
                    List("ComboBox4", "HelpDesc2", "Water Explosion GAF", {20, 320, 240, 120},
                         "Weapwtgaf", kOtherExplosionGaf),
                    List("ComboBox3", "HelpDesc5", "Water Explosion ART", {300, 320, 240, 120},
                         "Weapwtart", kExplosionArt),
                    List("ComboBox5", "HelpDesc3", "Lava Explosion GAF", {20, 390, 240, 120},
                         "Weaplagaf", kOtherExplosionGaf),
                    List("ComboBox6", "HelpDesc6", "Lava Explosion ART", {300, 390, 240, 120},
                         "Weaplaart", kExplosionArt)}},
      {.listEntry = "Sounds",
       .curHelp = "What Are The Sounds Of Weapon Launch/Land?",
       .controls = {List("ComboBox1", "HelpDesc", "Sound For Weapon Start", {20, 250, 240, 120},
                         "Weapsost", kStartSounds),
                    List("ComboBox4", "HelpDesc2", "Sound Of Weapon Hitting", {20, 320, 240, 120},
                         "Weapsoht", kHitSounds),
                    CheckBox("Does This Sound When Fired In Burst Mode?", {20, 370, 300, 20},
                             "Weapsotg")}},
      {.listEntry = "Terrain Effects",
       .curHelp = "What Effects Does The Weapon Have On The Terrain?",
       .controls = {NumberEdit("Enter", 207, "HelpDesc", "What Area Does This Effect",
                               {20, 250, 50, 20}, "Weapefft"),
                    NumberEdit("Enter2", 257, "HelpDesc4",
                               "Edge Of Effectiveness(ONLY For Rockets etc)", {300, 250, 50, 20},
                               "Weapeftn"),
                    NumberEdit("Enter3", 247, "HelpDesc2",
                               "Chance Of Starting A Fire(0-100%):", {20, 320, 50, 20}, "Weapfire"),
                    List("ComboBox3", "HelpDesc5", "Does It Only Damage Units - Not Terrain?",
                         {300, 320, 140, 120}, "Weapunit", kNoYes),
                    List("ComboBox5", "HelpDesc3", "Does It Bounce When Hit Ground?",
                         {20, 390, 140, 120}, "Weapbunc", kNoYes),
                    List("ComboBox6", "HelpDesc6", "Will It Detonate When It Reaches It Range?",
                         {300, 390, 140, 120}, "Weapblow", kNoYes)}},
      {.listEntry = "Burst/Rapid Fire",
       .curHelp = "Burst Mode For Weapons Like Flamethrower",
       .controls = {NumberEdit("Enter", 207, "HelpDesc", "How Many Times It Fires In One Burst:",
                               {30, 250, 50, 20}, "Weapbrst"),
                    NumberEdit("Enter2", 207, "HelpDesc2", "Time Delay Between Fire Burst Mode:",
                               {30, 320, 50, 20}, "Weapbsta"),
                    NumberEdit("Enter3", 207, "HelpDesc3", "Spread From The Line Spray Goes On:",
                               {30, 390, 50, 20}, "Weapspry")}},
      {.listEntry = "Bits On Weapon Opts",
       .curHelp = "Special Properties For Weapons/Options:",
       .controls =
           {List("ComboBox1", "HelpDesc",
                 "Is This Weapon Self Propelled W/Burn?:", {30, 250, 70, 120}, "Weapsprp", kNoYes),
            NumberEdit("Enter", 207, "HelpDesc4",
                       "Flight-Time For Self Propelled Weapons:", {300, 250, 50, 20}, "Weapfght"),
            List("ComboBox2", "HelpDesc2", "Is This A Water Weapon?:", {30, 320, 70, 120},
                 "Weapwatr", kNoYes),
            List("ComboBox3", "HelpDesc5",
                 "Does This Have A Paralyzing Effect?:", {300, 320, 70, 120}, "Weapparl", kNoYes),
            List("ComboBox4", "HelpDesc3", "Does Have To Be Fired By Player?:", {30, 390, 70, 120},
                 "Weapcomm", kNoYes),
            NumberEdit("Enter2", 207, "HelpDesc6",
                       "Time Will Decay At End Of Burst Path:", {300, 390, 50, 20}, "Weaprand")}},
      {.listEntry = "Other Options",
       .curHelp = "Any Options Left Over:",
       .controls = {NumberEdit("Enter", 207, "HelpDesc",
                               "Cover Of Weaps Which Shoot Weaps:", {30, 250, 50, 20}, "Weapcovg"),
                    List("ComboBox2", "HelpDesc4", "Doesn't Explode When Hits Target?",
                         {300, 250, 70, 120}, "Weapxpld", kNoYes),
                    NumberEdit("Enter2", 207, "HelpDesc2",
                               "How Long The Weapons Active(Secs):", {30, 320, 50, 20}, "Weaptime"),
                    List("ComboBox3", "HelpDesc5", "Will It Track A Moving Target?",
                         {300, 320, 70, 120}, "Weaptrak", kNoYes),
                    List("ComboBox4", "HelpDesc3", "Will It NOT Detonate At Range Auto?:",
                         {30, 390, 70, 120}, "Weapauto", kNoYes)}},
  };
}();

}  // namespace kalvex::test
