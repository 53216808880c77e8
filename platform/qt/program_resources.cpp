#include "platform/qt/program_resources.h"

#include "platform/qt/text_codec.h"

// The resources live in this static library: they must be registered by
// hand before the first look-up. (Outside any namespace, where the
// registration function is.)
static QString Root() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(program_resources);
    return true;
  }();
  return registered ? QStringLiteral(":/resources") : QString();
}

QString IconResource(int resId) { return Root() + QStringLiteral("/icon/%1.png").arg(resId); }

QString MenuResource(std::string_view name) {
  return Root() + QStringLiteral("/menu/") + ToQString(name).toUpper();
}

QString HelpResource(std::string_view helpFile) {
  return Root() + QStringLiteral("/help/") + ToQString(helpFile).toUpper() +
         QStringLiteral(".html");
}
