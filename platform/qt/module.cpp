#include "platform/module.h"

#include <QFile>

#include "platform/qt/program_resources.h"

const TModule& TModule::Program() {
  static const TModule program;
  return program;
}

bool TModule::HasIcon(int resId) const { return QFile::exists(IconResource(resId)); }

std::optional<TMenuResource> TModule::LoadMenu(std::string_view name) const {
  QFile file(MenuResource(name));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray text = file.readAll();
  return ParseMenuResource(std::string_view(text.constData(), text.size()));
}
