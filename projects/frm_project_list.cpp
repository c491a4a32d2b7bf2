#include "projects/frm_project_list.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include "app/controls.h"
#include "app/twips.h"
#include "errors/guard.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "projects/project_list.h"

namespace tw {
namespace {

constexpr double kClientWidth = 2850;
constexpr double kClientHeight = 3195;

frmProjectList* loadedEditor = nullptr;

}  // namespace

frmProjectList* frmProjectList::Loaded() { return loadedEditor; }

frmProjectList& frmProjectList::Load(MainView& form) {
  if (loadedEditor == nullptr) loadedEditor = new frmProjectList(form);
  return *loadedEditor;
}

frmProjectList::frmProjectList(MainView& form) : form_(&form) {
  setObjectName("frmProjectList");
  setWindowTitle("Project List");
  // A fixed single border: no resizing, no minimize or maximize button.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  PaintLightYellow(this);

  txtProjectList_ = new QPlainTextEdit(this);
  txtProjectList_->setObjectName("txtProjectList");
  txtProjectList_->setTabChangesFocus(true);
  txtProjectList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtProjectList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  PlaceTwips(txtProjectList_, 120, 960, 2655, 1575);

  lblInstructions_ = new QLabel(this);
  lblInstructions_->setObjectName("lblInstructions");
  // Plain text: "<enter>" is part of the sentence, not markup.
  lblInstructions_->setTextFormat(Qt::PlainText);
  lblInstructions_->setText(
      "Add or delete projects in the text box below. Hit <enter> at the end of each project.");
  lblInstructions_->setWordWrap(true);
  lblInstructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PaintLightYellow(lblInstructions_);
  PlaceTwips(lblInstructions_, 240, 240, 2535, 615);

  cmdSave_ = MakeButton(this, "cmdSave", "Sa&ve", "Save your project list");
  PlaceTwips(cmdSave_, 1440, 2640, 1215, 495);
  cmdCancel_ = MakeButton(this, "cmdCancel", "&Cancel", "");
  PlaceTwips(cmdCancel_, 120, 2640, 1215, 495);

  QWidget::setTabOrder(txtProjectList_, cmdSave_);
  QWidget::setTabOrder(cmdSave_, cmdCancel_);
  connect(cmdSave_, &QPushButton::clicked, this, [this] { Save(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { Cancel(); });

  // Centred on the screen.
  const System& system = *platform().system;
  move(TwipsToPixels((system.ScreenWidthTwips() - kClientWidth) / 2),
       TwipsToPixels((system.ScreenHeightTwips() - kClientHeight) / 2));

  LoadedForms().Add(this);
  Guard step("frmProjectList/Load");
  step([&] { SetText(ListText(ProjectEntries(form))); });
  txtProjectList_->setFocus();
}

frmProjectList::~frmProjectList() {
  LoadedForms().Remove(this);
  if (loadedEditor == this) loadedEditor = nullptr;
}

void frmProjectList::ShowModal(MainView& form) {
  form_ = &form;
  exec();
}

std::string frmProjectList::Text() const {
  // Block by block: the document's own plain text would turn non-breaking spaces into blanks.
  const QTextDocument* document = txtProjectList_->document();
  std::string text;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block != document->begin()) text += "\r\n";
    text += ToBytes(block.text());
  }
  return text;
}

void frmProjectList::SetText(const std::string& text) {
  txtProjectList_->setPlainText(FromBytes(text));
}

void frmProjectList::Unload() {
  LoadedForms().Remove(this);
  if (loadedEditor == this) loadedEditor = nullptr;
  hide();
  deleteLater();
}

void frmProjectList::reject() { Cancel(); }

void frmProjectList::Save() {
  SaveEditorText(*form_, Text(), [this] { Unload(); });
}

// Hidden, not unloaded: the next Update Projects shows the same text again.
void frmProjectList::Cancel() { hide(); }

void UpdateProjects(MainView& form) {
  Guard step("Main/UpdateProjects");
  if (!step([&] { Setup::ProjectList(form); })) return;
  step([&] { Setup::RestoreRememberedProject(form); });
}

}  // namespace tw

namespace Setup {

void ProjectList(tw::MainView& form) {
  using namespace tw;
  Guard step("Setup/ProjectList");
  step([&] { frmProjectList::Load(form).ShowModal(form); });
}

}  // namespace Setup
