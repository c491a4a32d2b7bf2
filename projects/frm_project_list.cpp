#include "projects/frm_project_list.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include "errors/guard.h"
#include "desktop/qt_text.h"
#include "projects/frm_project_settings.h"
#include "projects/project_list.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

namespace tw {
namespace {

constexpr double kClientWidth = 2850;
constexpr double kClientHeight = 3735;
}  // namespace

frmProjectList& frmProjectList::Load(MainView& form) {
  if (Loaded() == nullptr) new frmProjectList(form);
  return *Loaded();
}

frmProjectList::frmProjectList(MainView& form) : form_(&form) {
  setObjectName("frmProjectList");
  setWindowTitle(tr("Project List"));
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

  lblInstructions_ = MakeLabel(this, "lblInstructions", "");
  // Plain text: "<enter>" is part of the sentence, not markup.
  lblInstructions_->setTextFormat(Qt::PlainText);
  lblInstructions_->setText(
      tr("Add or delete projects in the text box below. Hit <enter> at the end of each project."));
  txtProjectList_->setAccessibleName(tr("Projects, one per line"));
  txtProjectList_->setAccessibleDescription(lblInstructions_->text());
  lblInstructions_->setWordWrap(true);
  PlaceTwips(lblInstructions_, 240, 240, 2535, 615);

  cmdSave_ = MakeButton(this, "cmdSave", tr("Sa&ve"), tr("Save your project list"));
  PlaceTwips(cmdSave_, 1440, 2640, 1215, 495);
  cmdCancel_ = MakeButton(this, "cmdCancel", tr("&Cancel"), "");
  PlaceTwips(cmdCancel_, 120, 2640, 1215, 495);

  cmdSettings_ = MakeButton(this, "cmdSettings", tr("Project Se&ttings..."),
                            tr("The rates, budgets and billing of the project on the cursor's line"));
  PlaceTwips(cmdSettings_, 120, 3240, 2535, 375);

  QWidget::setTabOrder(txtProjectList_, cmdSave_);
  QWidget::setTabOrder(cmdSave_, cmdCancel_);
  QWidget::setTabOrder(cmdCancel_, cmdSettings_);
  connect(cmdSave_, &QPushButton::clicked, this, [this] { Save(); });
  connect(cmdSettings_, &QPushButton::clicked, this, [this] {
    const std::string line = ToBytes(txtProjectList_->textCursor().block().text().trimmed());
    std::vector<std::string> names;
    for (QTextBlock block = txtProjectList_->document()->begin(); block.isValid(); block = block.next())
      if (const QString name = block.text().trimmed(); !name.isEmpty()) names.push_back(ToBytes(name));
    frmProjectSettings::ShowModal(this, line, names);
  });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { Cancel(); });

  FitCaptions(this);
  CenterOnScreen(this, kClientWidth, kClientHeight);

  Register();
  Guard step("frmProjectList/Load");
  step([&] { SetText(ListText(ProjectEntries(form))); });
  txtProjectList_->setFocus();
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
  Deregister();
  hide();
  deleteLater();
}

void frmProjectList::reject() { Cancel(); }

void frmProjectList::Save() {
  SaveEditorText(*form_, Text(), [this] { Unload(); });
}

// Hidden, not unloaded: the next Update Projects shows the same text again.
void frmProjectList::Cancel() { hide(); }

void ShowProjectListEditor(MainView& form) { frmProjectList::Load(form).ShowModal(form); }

}  // namespace tw
