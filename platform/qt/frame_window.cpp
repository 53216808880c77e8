#include "platform/frame_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>

#include "platform/module.h"
#include "platform/qt/text_codec.h"

class TFrameWindow::FrameWidget : public QMainWindow {
 public:
  FrameWidget(TFrameWindow& owner, Qt::WindowFlags flags)
      : QMainWindow(nullptr, flags), owner_(owner) {}

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
    owner_.FitOuterSize();
  }
  void moveEvent(QMoveEvent* event) override {
    QMainWindow::moveEvent(event);
    owner_.FitOuterSize();
  }
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (!owner_.AcceptedFiles(event->mimeData()->urls()).empty()) event->acceptProposedAction();
  }
  void dropEvent(QDropEvent* event) override {
    const std::vector<std::string> files = owner_.AcceptedFiles(event->mimeData()->urls());
    if (files.empty()) return;
    event->acceptProposedAction();
    // The files are opened once the drop is over, so that the desktop's drag
    // does not wait on the questions that opening may ask.
    QMetaObject::invokeMethod(
        this, [this, files] { owner_.EvDropFiles(files); }, Qt::QueuedConnection);
  }

 private:
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

TFrameWindow::TFrameWindow(TWindow* parent, std::string_view title)
    : TWindow(parent, 0, title, 0, 0, 0, 0) {
  Attr.Style = WS_OVERLAPPEDWINDOW;
}

TFrameWindow::~TFrameWindow() {
  // A frame is never destroyed from inside its own notifications, so its
  // widget, and with it every child widget, goes at once.
  delete GetHandle();
}

bool TFrameWindow::AssignMenu(std::string_view menuName) {
  menu_ = GetModule()->LoadMenu(menuName);
  if (GetHandle()) BuildMenuBar();
  return menu_.has_value();
}

bool TFrameWindow::SetIcon(const TModule* module, int resId) {
  icon_ = module->LoadIcon(resId);
  if (GetHandle()) GetHandle()->setWindowIcon(icon_);
  return !icon_.isNull();
}

void TFrameWindow::AssignAccelerators(std::span<const TAccelerator> accelerators) {
  shortcuts_.clear();
  for (const TAccelerator& accelerator : accelerators) {
    shortcuts_.emplace_back(accelerator.Id,
                            QKeySequence(ToQString(accelerator.Keys), QKeySequence::PortableText));
  }
  if (GetHandle()) BuildMenuBar();
}

void TFrameWindow::DragAcceptFiles(std::string_view extension) {
  dropExtension_ = extension;
  if (GetHandle()) GetHandle()->setAcceptDrops(!dropExtension_.empty());
}

bool TFrameWindow::CanClose() { return true; }

void TFrameWindow::EvDropFiles(const std::vector<std::string>&) {}

std::vector<std::string> TFrameWindow::AcceptedFiles(const QList<QUrl>& urls) const {
  std::vector<std::string> files;
  if (dropExtension_.empty()) return files;
  const QString ending = QLatin1Char('.') + ToQString(dropExtension_);
  for (const QUrl& url : urls) {
    const QString path = url.toLocalFile();
    if (!path.isEmpty() && path.endsWith(ending, Qt::CaseInsensitive)) {
      files.push_back(path.toUtf8().toStdString());
    }
  }
  return files;
}

QWidget* TFrameWindow::MakeWidget(QWidget*) {
  auto* frame = new FrameWidget(*this, FlagsForStyle(Attr.Style));
  client_ = new QWidget(frame);
  // Child controls stand at fixed pixel places and sizes made for a compact
  // dialog font; the client area uses one so that their texts fit.
  QFont compact = client_->font();
  compact.setPixelSize(11);
  client_->setFont(compact);
  frame->setCentralWidget(client_);
  return frame;
}

void TFrameWindow::SetupWindow() {
  QWidget* frame = GetHandle();
  frame->setWindowTitle(ToQString(Title));
  frame->setWindowIcon(icon_);
  frame->setAcceptDrops(!dropExtension_.empty());
  BuildMenuBar();
  if (Attr.Style & WS_THICKFRAME) {
    frame->resize(Attr.W, Attr.H);
  } else {
    FitOuterSize();
  }
}

QWidget* TFrameWindow::ChildContainer() const { return client_; }

void TFrameWindow::BuildMenuBar() {
  if (!menu_) return;
  auto* frame = static_cast<QMainWindow*>(GetHandle());
  auto* bar = new QMenuBar(frame);
  bar->setNativeMenuBar(false);  // keeps the menu bar above the client area everywhere
  for (const TMenuPopup& popup : menu_->Popups) {
    QMenu* menu = bar->addMenu(ToQString(popup.Text));
    for (const TMenuItem& item : popup.Items) {
      QAction* action = menu->addAction(ToQString(item.Text));
      for (const auto& [id, keys] : shortcuts_) {
        if (id == item.Id) action->setShortcut(keys);
      }
      Listen(action, &QAction::triggered, [this, id = item.Id] {
        Dispatch({TEventKind::Command, id, 0, {}});
      });
    }
  }
  frame->setMenuBar(bar);
}

void TFrameWindow::FitOuterSize() {
  QWidget* frame = GetHandle();
  if (!frame || (Attr.Style & WS_THICKFRAME)) return;
  const QSize decoration = frame->frameGeometry().size() - frame->geometry().size();
  const QSize inner = QSize(Attr.W, Attr.H) - decoration;
  if (frame->minimumSize() != inner || frame->maximumSize() != inner) frame->setFixedSize(inner);
}
