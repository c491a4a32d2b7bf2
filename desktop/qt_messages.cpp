#include "desktop/qt_messages.h"

#include <QString>
#include <QtGlobal>

namespace tw {
namespace {

// The handler before this one: Qt's own printing, unless another was installed.
QtMessageHandler earlier = nullptr;

void Pass(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) return;
  earlier(type, context, message);
}

}  // namespace

void QuietenRuntimeFolderNotice() {
  if (earlier == nullptr) earlier = qInstallMessageHandler(Pass);
}

}  // namespace tw
