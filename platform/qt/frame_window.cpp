#include "platform/frame_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include "platform/module.h"
#include "platform/qt/native_window.h"
#include "platform/qt/program_resources.h"
#include "platform/qt/text_codec.h"

// The frame's widget: asks the window before it closes, keeps the outer size
// fixed once the desktop's frame is known, and takes dropped files.
class TFrameWindow::TImpl : public QMainWindow {
 public:
  TImpl(TFrameWindow& owner, Qt::WindowFlags flags) : QMainWindow(nullptr, flags), owner_(owner) {}

  // Keeps the outer size at Attr.W by Attr.H once the desktop's frame is known.
  static void FitOuterSize(const TFrameWindow& window) {
    QWidget* frame = WidgetOf(window);
    if (!frame || (window.Attr.Style & WS_THICKFRAME)) return;
    const QSize decoration = frame->frameGeometry().size() - frame->geometry().size();
    const QSize inner = QSize(window.Attr.W, window.Attr.H) - decoration;
    if (frame->minimumSize() != inner || frame->maximumSize() != inner) frame->setFixedSize(inner);
  }

  static void BuildMenuBar(TFrameWindow& window) {
    if (!window.menu_) return;
    auto* frame = WidgetOf<QMainWindow>(window);
    auto* bar = new QMenuBar(frame);
    bar->setNativeMenuBar(false);  // keeps the menu bar above the client area everywhere
    for (const TMenuPopup& popup : window.menu_->Popups) {
      QMenu* menu = bar->addMenu(ToQString(popup.Text));
      for (const TMenuItem& item : popup.Items) {
        QAction* action = menu->addAction(ToQString(item.Text));
        action->setData(item.Id);
        action->setEnabled(item.Enabled);
        QList<QKeySequence> shortcuts;
        for (const TKeys& keys : window.accelerators_) {
          if (keys.Id == item.Id) {
            shortcuts << QKeySequence(ToQString(keys.Keys), QKeySequence::PortableText);
          }
        }
        action->setShortcuts(shortcuts);
        window.Native().Listen(action, &QAction::triggered, [&window, id = item.Id] {
          window.Dispatch({TEventKind::Command, id, 0, {}});
        });
      }
    }
    frame->setMenuBar(bar);
    // A menu bar made once the frame shows would show only later, its keys
    // dead until then.
    bar->show();
  }

  // The menu bar's action of command `id`, or nullptr.
  static QAction* MenuAction(const TFrameWindow& window, int id) {
    const auto* frame = WidgetOf<QMainWindow>(window);
    const auto* bar = frame ? qobject_cast<const QMenuBar*>(frame->menuWidget()) : nullptr;
    if (!bar) return nullptr;
    for (const QAction* menu : bar->actions()) {
      if (!menu->menu()) continue;
      for (QAction* action : menu->menu()->actions()) {
        if (action->data() == QVariant(id)) return action;
      }
    }
    return nullptr;
  }

  static QIcon Icon(const TFrameWindow& window) {
    return window.iconId_ ? QIcon(IconResource(window.iconId_)) : QIcon();
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (owner_.CanClose()) {
      event->accept();
    } else {
      event->ignore();
    }
  }
  void showEvent(QShowEvent* event) override {
    QMainWindow::showEvent(event);
    FitOuterSize(owner_);
  }
  void moveEvent(QMoveEvent* event) override {
    QMainWindow::moveEvent(event);
    FitOuterSize(owner_);
  }
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (!AcceptedFiles(event->mimeData()->urls()).empty()) event->acceptProposedAction();
  }
  void dropEvent(QDropEvent* event) override {
    const std::vector<std::string> files = AcceptedFiles(event->mimeData()->urls());
    if (files.empty()) return;
    event->acceptProposedAction();
    // The files are opened once the drop is over, so that the desktop's drag
    // does not wait on the questions that opening may ask.
    QMetaObject::invokeMethod(
        this, [this, files] { owner_.EvDropFiles(files); }, Qt::QueuedConnection);
  }

 private:
  // The local files among `urls` that the window accepts.
  std::vector<std::string> AcceptedFiles(const QList<QUrl>& urls) const {
    std::vector<std::string> files;
    for (const QUrl& url : urls) {
      const std::string path = LocalFileBytes(url);
      if (!path.empty() && owner_.AcceptsDroppedFile(path)) files.push_back(path);
    }
    return files;
  }

  // The local file's path as the system spells it: on Linux a name is
  // bytes, carried in the address as %XX, which need not be UTF-8.
  static std::string LocalFileBytes(const QUrl& url) {
#ifdef Q_OS_UNIX
    if (url.isLocalFile() && url.host().isEmpty()) {
      return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
    }
#endif
    return url.toLocalFile().toUtf8().toStdString();
  }

  TFrameWindow& owner_;
};

namespace {

Qt::WindowFlags FlagsForStyle(unsigned long style) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
  if ((style & WS_CAPTION) == WS_CAPTION) flags |= Qt::WindowTitleHint;
  if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

}  // namespace

TFrameWindow::~TFrameWindow() {
  // A frame is never destroyed from inside its own notifications, so its
  // widget, and with it every child widget, goes at once.
  delete WidgetOf(*this);
}

bool TFrameWindow::AssignMenu(std::string_view menuName) {
  menu_ = GetModule()->LoadMenu(menuName);
  if (GetHandle()) TImpl::BuildMenuBar(*this);
  return menu_.has_value();
}

bool TFrameWindow::SetIcon(const TModule* module, int resId) {
  iconId_ = module->HasIcon(resId) ? resId : 0;
  if (QWidget* frame = WidgetOf(*this)) frame->setWindowIcon(TImpl::Icon(*this));
  return iconId_ != 0;
}

void TFrameWindow::AssignAccelerators(std::span<const TAccelerator> accelerators) {
  accelerators_.clear();
  for (const TAccelerator& accelerator : accelerators) {
    accelerators_.push_back({std::string(accelerator.Keys), accelerator.Id});
  }
  if (GetHandle()) TImpl::BuildMenuBar(*this);
}

void TFrameWindow::ShowMenuItem(const TMenuItem& item) {
  if (QAction* action = TImpl::MenuAction(*this, item.Id)) {
    action->setText(ToQString(item.Text));
    action->setEnabled(item.Enabled);
  }
}

void TFrameWindow::SetTitle(std::string_view title) {
  Title = title;
  if (QWidget* frame = WidgetOf(*this)) frame->setWindowTitle(Utf8ToQString(Title));
}

void TFrameWindow::DragAcceptFiles(std::string_view extension) {
  dropExtension_ = extension;
  if (QWidget* frame = WidgetOf(*this)) frame->setAcceptDrops(!dropExtension_.empty());
}

THandle TFrameWindow::MakeWindow(THandle) {
  auto* frame = new TImpl(*this, FlagsForStyle(Attr.Style));
  auto* client = new QWidget(frame);
  // Child controls stand at fixed pixel places and sizes made for a compact
  // dialog font; the client area uses one so that their texts fit.
  QFont compact = client->font();
  compact.setPixelSize(11);
  client->setFont(compact);
  frame->setCentralWidget(client);
  return HandleOf(frame);
}

void TFrameWindow::SetupWindow() {
  QWidget* frame = WidgetOf(*this);
  frame->setWindowTitle(Utf8ToQString(Title));
  frame->setWindowIcon(TImpl::Icon(*this));
  frame->setAcceptDrops(!dropExtension_.empty());
  TImpl::BuildMenuBar(*this);
  if (Attr.Style & WS_THICKFRAME) {
    frame->resize(Attr.W, Attr.H);
  } else {
    TImpl::FitOuterSize(*this);
  }
}

THandle TFrameWindow::ChildContainer() const {
  auto* frame = WidgetOf<QMainWindow>(*this);
  return frame ? HandleOf(frame->centralWidget()) : nullptr;
}
