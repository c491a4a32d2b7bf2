#include "viewer/undo_actions.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "desktop/qt_text.h"
#include "platform/platform.h"
#include "platform/product.h"
#include "store/changes.h"

namespace tw {
namespace {

Changes FromThisWindow() {
  const Platform& p = platform();
  return Changes(*p.files, ProgramDataFolder(), kFromWindow, p.clock->UnixNow());
}

}  // namespace

UndoActions::UndoActions(QWidget* window, std::function<void()> changed)
    : QObject(window), window_(window), changed_(std::move(changed)) {
  undo_ = new QAction(window);
  undo_->setObjectName("mnuEditUndo");
  undo_->setShortcut(QKeySequence::Undo);
  undo_->setShortcutContext(Qt::WindowShortcut);
  redo_ = new QAction(window);
  redo_->setObjectName("mnuEditRedo");
  redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
  redo_->setShortcutContext(Qt::WindowShortcut);
  window->addAction(undo_);
  window->addAction(redo_);
  connect(undo_, &QAction::triggered, this, [this] { Take(true); });
  connect(redo_, &QAction::triggered, this, [this] { Take(false); });
  Refresh();
}

QMenu* UndoActions::EditMenu(QWidget* parent) const {
  auto* menu = new QMenu(tr("&Edit"), parent);
  menu->setObjectName("mnuEdit");
  menu->addAction(undo_);
  menu->addAction(redo_);
  connect(menu, &QMenu::aboutToShow, this, [this] { const_cast<UndoActions*>(this)->Refresh(); });
  return menu;
}

void UndoActions::AddMenuBar() {
  auto* bar = new QMenuBar(window_);
  bar->setObjectName("mnuBar");
  bar->addMenu(EditMenu(bar));
  if (QLayout* layout = window_->layout()) {
    layout->setMenuBar(bar);
    return;
  }
  const int height = bar->sizeHint().height();
  for (QWidget* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child != bar && !child->isWindow()) child->move(child->x(), child->y() + height);
  bar->setGeometry(0, 0, window_->width(), height);
  if (window_->minimumSize() == window_->maximumSize())
    window_->setFixedSize(window_->width(), window_->height() + height);
  else
    window_->resize(window_->width(), window_->height() + height);
}

void UndoActions::Refresh() {
  std::string undo, redo;
  try {
    const Changes changes = FromThisWindow();
    undo = changes.NextUndo();
    redo = changes.NextRedo();
  } catch (const std::exception&) {
  }
  // Kept enabled: the shortcut asks the history as it stands when pressed, whoever changed it since.
  undo_->setText(undo.empty() ? tr("&Undo") : tr("&Undo %1").arg(FromBytes(undo)));
  redo_->setText(redo.empty() ? tr("&Redo") : tr("&Redo %1").arg(FromBytes(redo)));
}

void UndoActions::Take(bool undo) {
  Changes::Outcome outcome;
  try {
    Changes changes = FromThisWindow();
    outcome = undo ? changes.Undo() : changes.Redo();
  } catch (const RunError& e) {
    outcome.refusal = ToBytes(tr("the record could not be changed: %1").arg(FromBytes(e.description())));
  }
  if (!outcome.done) {
    const QString text = outcome.what.empty()
                             ? (undo ? tr("There is nothing to undo.") : tr("There is nothing to redo."))
                             : (undo ? tr("Cannot undo %1: %2.") : tr("Cannot redo %1: %2."))
                                   .arg(FromBytes(outcome.what), FromBytes(outcome.refusal));
    platform().dialogs->MsgBox(ToBytes(text), MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
  } else if (changed_) {
    changed_();
  }
  Refresh();
}

}  // namespace tw
