#include "script/script_writer.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "script/value_forms.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

// Writes script text into `out`, storing every line feed as CR LF. The text
// goes straight into the string's own buffer, which Finish() cuts to length;
// a script is written from many short pieces, and appending each one to the
// string, or calling a function per piece, would cost more than copying it.
class ScriptOut {
 public:
  explicit ScriptOut(std::string& out) : out_(out) {
    out_.resize(std::max(out_.capacity(), kInitialSize));
    next_ = out_.data();
  }

  [[gnu::always_inline]] void Put(std::string_view text) {
    MakeRoom(2 * text.size());  // every character may be a line feed
    char* next = next_;
    for (const char c : text) {
      if (c == '\n') *next++ = '\r';
      *next++ = c;
    }
    next_ = next;
  }

  void PutNumber(int value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    Put(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
  }

  void Finish() { out_.resize(Used()); }

 private:
  static constexpr std::size_t kInitialSize = 2048;

  std::size_t Used() const { return static_cast<std::size_t>(next_ - out_.data()); }

  void MakeRoom(std::size_t size) {
    const std::size_t used = Used();
    if (out_.size() - used >= size) return;
    out_.resize(std::max(2 * out_.size(), used + size));
    next_ = out_.data() + used;
  }

  std::string& out_;
  char* next_;
};

// A table entry: the field's own text where it has one, else the table's.
std::string_view TableOrOwn(TableView table, int index, const std::string& own) {
  return own.empty() ? TableText(table, index) : std::string_view(own);
}

// An explosion entry: own texts carry no ";", the table's do.
void PutExplosion(ScriptOut& out, TableView table, int index, const std::string& own) {
  out.Put(TableOrOwn(table, index, own));
  if (!own.empty()) out.Put(";");
}

void PutGuarded(ScriptOut& out, std::string_view key, const std::string& field) {
  if (!GuardPasses(field)) return;
  out.Put(key);
  out.Put(GuardedForm(field));
  out.Put(";");
}

void PutFlag(ScriptOut& out, int member, std::string_view text) {
  if (member == 1) out.Put(text);
}

}  // namespace

void WriteScript(const WeaponRecord& r, std::string& bytes) {
  ScriptOut out(bytes);

  out.Put("[");
  out.Put(WholeForm(r.Weapcode));
  out.Put("]\n\t{\n\t");
  out.Put("ID=");
  out.Put(WholeForm(r.WeapID));
  out.Put(";\n\t");
  out.Put("name=");
  out.Put(WholeForm(r.Weapname));
  out.Put(";\n\t");
  out.Put("rendertype=");
  out.PutNumber(r.Weaprend);
  out.Put(";\n\t");
  if (const std::string_view style = TableText(kStyleTable, r.Weapstyle); !style.empty()) {
    out.Put(style);
    out.Put(";\n\t");
  }
  if (r.Weapbarr >= 1 && r.Weapbarr <= 9) out.Put(TableText(kBarrelAngleTable, r.Weapbarr));
  PutFlag(out, r.Weaptur, "Turret=1;\n\t");
  PutFlag(out, r.Weapparl, "\n\tparalyzer=1;");
  if (r.Weapbeam == 0) {
    out.Put("model=");
    out.Put(TableOrOwn(kModelTable, r.Weapmodl, r.own.Weapmodl));
    out.Put(";");
  }
  PutFlag(out, r.Weapprop, "\n\tpropeller=1;");
  out.Put("\n\n\trange=");
  out.Put(BoundedForm(r.Weaprange));
  out.Put(";\n\t");
  PutGuarded(out, "reloadtime=", r.Weapreload);
  out.Put("\n\t");
  PutGuarded(out, "energypershot=", r.Weapenps);
  PutFlag(out, r.Weapauto, "\n\tnoautorange=1;");
  out.Put("\n\t");
  PutGuarded(out, "weapontimer=", r.Weaptime);
  out.Put("\n\t");
  PutGuarded(out, "flighttime=", r.Weapfght);
  PutFlag(out, r.Weapsprp, "\n\tselfprop=1;");
  out.Put("\n\t");
  PutGuarded(out, "coverage=", r.Weapcovg);
  PutFlag(out, r.Weapwatr, "\n\twaterweapon=1;");
  out.Put("\n\t");
  PutGuarded(out, "weaponvelocity=", r.Weapspeed);
  out.Put("\n\t");
  PutGuarded(out, "startvelocity=", r.Weapstsp);
  out.Put("\n\t");
  PutGuarded(out, "weaponacceleration=", r.Weapaccl);
  out.Put("\n\t");
  PutGuarded(out, "areaofeffect=", r.Weapefft);
  out.Put("\n\t");
  PutGuarded(out, "burst=", r.Weapbrst);
  out.Put("\n\t");
  PutGuarded(out, "burstrate=", r.Weapbsta);
  out.Put("\n\t");
  PutGuarded(out, "sprayangle=", r.Weapspry);
  out.Put("\n\t");
  PutGuarded(out, "randomdecay=", r.Weaprand);
  out.Put("\n\t");
  PutGuarded(out, "edgeeffectiveness=", r.Weapeftn);
  out.Put("\n");
  if (SmokeDelayWritten(r.Weapsmdl)) {
    out.Put("\n\tsmokedelay=");
    out.Put(BoundedForm(r.Weapsmdl));
    out.Put(";");
  }
  out.Put("\n");
  PutFlag(out, r.Weapsmtl, "\tsmoketrail=1;\n");
  PutFlag(out, r.Weapsotg, "\n\tsoundtrigger=1;\n");
  out.Put("\tsoundstart=");
  out.Put(TableOrOwn(kStartSoundTable, r.Weapsost, r.own.Weapsost));
  out.Put(";\n\t");
  out.Put("soundhit=");
  out.Put(TableOrOwn(kHitSoundTable, r.Weapsoht, r.own.Weapsoht));
  out.Put(";\n\t");
  PutGuarded(out, "firestarter=", r.Weapfire);
  PutFlag(out, r.Weapbunc, "\n\tgroundbounce=1;");
  PutFlag(out, r.Weapunit, "\n\tunitsonly=1;");
  out.Put("\n\n");
  if (r.Weapbeam == 1) {
    out.Put("\tbeamweapon=1;\n\t");
    out.Put(TableText(kBeamColourTable, r.Weapcol2));
  }
  PutFlag(out, r.Weapxpld, "\n\tnoexplode=1;");
  PutFlag(out, r.Weapcomm, "\n\tcommandfire=1;");
  if (r.Weapguid == 1) {
    out.Put("\n\tguidance=1;\n\t");
    if (GuardPasses(r.Weapturn)) {
      out.Put("turnrate=");
      out.Put(GuardedForm(r.Weapturn));
      out.Put(";\n");
    }
  }
  PutFlag(out, r.Weaptrak, "\n\ttracks=1;");
  out.Put("\n\t");
  PutGuarded(out, "accuracy=", r.Weapaccu);
  out.Put("\n\t");
  PutGuarded(out, "aimrate=", r.Weaprate);
  PutFlag(out, r.Weapblow, "\n\tburnblow=1;");
  out.Put("\n\t");
  PutGuarded(out, "tolerance=", r.Weaptolr);
  out.Put("\n\texplosiongaf=");
  PutExplosion(out, kExplosionGafTable, r.Weapexgaf, r.own.Weapexgaf);
  out.Put("\n\texplosionart=");
  PutExplosion(out, kExplosionArtTable, r.Weapexart, r.own.Weapexart);
  out.Put("\n\n\twaterexplosiongaf=");
  PutExplosion(out, kExplosionGafTable, r.Weapwtgaf, r.own.Weapwtgaf);
  out.Put("\n\twaterexplosionart=");
  PutExplosion(out, kExplosionArtTable, r.Weapwtart, r.own.Weapwtart);
  out.Put("\n\n\tlavaexplosiongaf=");
  PutExplosion(out, kExplosionGafTable, r.Weaplagaf, r.own.Weaplagaf);
  out.Put("\n\tlavaexplosionart=");
  PutExplosion(out, kExplosionArtTable, r.Weaplaart, r.own.Weaplaart);
  out.Put("\n\n");
  PutFlag(out, r.Weapsmst, "\tstartsmoke=1;\n");
  PutFlag(out, r.Weapsmed, "\tendsmoke=1;\n");
  out.Put("\n\t");
  PutGuarded(out, "metal=", r.Weapmet);
  out.Put("\n\t");
  PutGuarded(out, "energy=", r.Weapenr);
  out.Put("\n\n\t[DAMAGE]\n\t\t{\n\t\tdefault=");
  out.Put(BoundedForm(r.Weapdamage));
  out.Put(";\n\t\t}\n\t\n}");
  out.Finish();
}

std::string WriteScript(const WeaponRecord& record) {
  std::string bytes;
  WriteScript(record, bytes);
  return bytes;
}

}  // namespace kalvex
