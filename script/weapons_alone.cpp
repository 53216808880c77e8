#include "script/weapons_alone.h"

namespace kalvex {

ScriptDocument OpenWeaponAlone(const ScriptDocument& document, std::size_t index) {
  const TextRange span = document.weapons[index].span;
  ScriptDocument alone = OpenScript(document.text.substr(span.begin, span.size()));
  alone.line_end = document.line_end;
  return alone;
}

std::string WithWeaponTexts(const ScriptDocument& document, const std::vector<WeaponText>& texts) {
  std::string text;
  std::size_t at = 0;
  for (const WeaponText& weapon : texts) {
    const TextRange span = document.weapons[weapon.index].span;
    text.append(document.text, at, span.begin - at).append(weapon.text);
    at = span.end;
  }
  return text.append(document.text, at);
}

}  // namespace kalvex
