#include "platform/module.h"

#include <QFile>

#include "platform/qt/text_codec.h"

TModule::TModule(QString root) : root_(std::move(root)) {}

const TModule& TModule::Program() {
  static const TModule program(QStringLiteral(":/resources"));
  return program;
}

QIcon TModule::LoadIcon(int resId) const {
  const QString path = root_ + QStringLiteral("/icon/%1.png").arg(resId);
  return QFile::exists(path) ? QIcon(path) : QIcon();
}

std::optional<TMenuResource> TModule::LoadMenu(std::string_view name) const {
  QFile file(root_ + QStringLiteral("/menu/") + ToQString(name).toUpper());
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray text = file.readAll();
  return ParseMenuResource(std::string_view(text.constData(), text.size()));
}
