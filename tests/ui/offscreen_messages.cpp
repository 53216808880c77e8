#include "tests/ui/offscreen_messages.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler testHandler = nullptr;

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) {
    return;
  }
  testHandler(type, context, message);
}

}  // namespace

void DropOffscreenPlatformLimits() {
  QtMessageHandler previous = qInstallMessageHandler(Filter);
  if (previous != Filter) testHandler = previous;
}
