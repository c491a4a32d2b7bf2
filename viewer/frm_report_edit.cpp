#include "viewer/frm_report_edit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "app/controls.h"
#include "app/program_state.h"
#include "app/twips.h"
#include "errors/guard.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "report/report_files.h"
#include "report/rewrite.h"
#include "tracking/stretch.h"
#include "viewer/frm_report.h"

namespace tw {
namespace {

constexpr double kClientWidth = 4155;
constexpr double kClientHeight = 2835;

frmReportEdit* loaded = nullptr;

QLineEdit* MakeBox(QWidget* parent, const char* name, double top) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  PlaceTwips(box, 1680, top, 2415, 285);
  return box;
}

// The comment as typed, its line breaks as line feeds (and nothing else of the text changed).
QString CommentText(const QPlainTextEdit* box) {
  QString text = box->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  return text;
}

}  // namespace

frmReportEdit::frmReportEdit(QWidget* parent) : QDialog(parent) {
  setObjectName("frmReportEdit");
  setWindowTitle("Report Edit");
  // An ordinary sizable border with minimize and maximize buttons.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setWindowModality(Qt::ApplicationModal);
  PaintLightYellow(this);
  resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

  struct Caption {
    const char* name;
    const char* text;
  };
  const Caption labels[] = {{"lblProject", "Project"},
                            {"lblProjectStart", "Project Start Time"},
                            {"lblProjectEnd", "Project End Time"},
                            {"lblComment", "Comment"}};
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(QString::fromUtf8(labels[i].text), this);
    label->setObjectName(labels[i].name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PaintLightYellow(label);
    PlaceTwips(label, 120, 120 + 360 * i, 1455, 255);
  }
  txtProject_ = MakeBox(this, "txtProject", 120);
  txtProjectStart_ = MakeBox(this, "txtProjectStart", 480);
  txtProjectEnd_ = MakeBox(this, "txtProjectEnd", 840);
  txtComment_ = new QPlainTextEdit(this);
  txtComment_->setObjectName("txtComment");
  txtComment_->setTabChangesFocus(true);
  PlaceTwips(txtComment_, 1680, 1200, 2415, 1095);
  cmdCancel_ = MakeButton(this, "cmdCancel", "&Cancel", "");
  PlaceTwips(cmdCancel_, 0, 2400, 855, 375);
  cmdDelete_ = MakeButton(this, "cmdDelete", "&Delete", "");
  PlaceTwips(cmdDelete_, 1560, 2400, 855, 375);
  cmdSave_ = MakeButton(this, "cmdSave", "&Save", "");
  PlaceTwips(cmdSave_, 3240, 2400, 855, 375);

  connect(cmdSave_, &QPushButton::clicked, this, [this] { Save(); });
  connect(cmdDelete_, &QPushButton::clicked, this, [this] { Delete(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { Unload(); });

  // In the middle of the screen.
  const System& system = *platform().system;
  move(TwipsToPixels((system.ScreenWidthTwips() - kClientWidth) / 2),
       TwipsToPixels((system.ScreenHeightTwips() - kClientHeight) / 2));
  txtProject_->setFocus();
  loaded = this;
  LoadedForms().Add(this);
}

frmReportEdit::~frmReportEdit() {
  if (loaded == this) loaded = nullptr;
  LoadedForms().Remove(this);
}

frmReportEdit* frmReportEdit::Loaded() { return loaded; }

void frmReportEdit::Fill(const EntryTexts& entry) {
  filled_ = entry;
  txtProject_->setText(FromBytes(entry.project));
  txtProjectStart_->setText(FromBytes(entry.start));
  txtProjectEnd_->setText(FromBytes(entry.end));
  txtComment_->setPlainText(FromBytes(entry.comment));
  shown_[0] = txtProject_->text();
  shown_[1] = txtProjectStart_->text();
  shown_[2] = txtProjectEnd_->text();
  shown_[3] = CommentText(txtComment_);
}

EntryTexts frmReportEdit::Entry() const {
  auto text = [this](int i, const QString& now, const std::string& original) {
    return now == shown_[i] ? original : ToBytes(now);
  };
  return EntryTexts{text(0, txtProject_->text(), filled_.project),
                    text(1, txtProjectStart_->text(), filled_.start),
                    text(2, txtProjectEnd_->text(), filled_.end),
                    text(3, CommentText(txtComment_), filled_.comment)};
}

void frmReportEdit::Save() {
  Platform& p = platform();
  const EntryTexts entry = Entry();
  if (const auto problem = CheckEntry(entry, *p.dateFormat, NowText())) {
    // The editor stays open with what was typed, for the user to put right.
    p.dialogs->MsgBox(problem->message, MsgStyle::OkOnly + MsgStyle::Exclamation, "Tallywright");
    QLineEdit* box = problem->field == EntryField::Project ? txtProject_
                     : problem->field == EntryField::Start ? txtProjectStart_
                                                           : txtProjectEnd_;
    box->setFocus();
    box->selectAll();
    return;
  }
  Setup::UpdateReport("Update");
  Unload();
}

void frmReportEdit::Delete() {
  Setup::UpdateReport("Delete");
  Unload();
}

void frmReportEdit::Unload() { done(QDialog::Rejected); }

void frmReportEdit::done(int result) {
  // However it closes (a button, the close box, Escape), the editor is no longer loaded.
  if (loaded == this) loaded = nullptr;
  LoadedForms().Remove(this);
  QDialog::done(result);
}

}  // namespace tw

namespace Setup {

void UpdateReport(const std::string& action) {
  using namespace tw;
  Platform& p = platform();
  frmReport* report = frmReport::Loaded();
  if (!report) return;  // no report window, no entry
  MainView& main = report->mainView();
  Guard step("Setup/UpdateReport");

  if (!step([&] { main.SetStatusText("Saving Changes..."); })) return;
  // The entry is the line its row came from, not every line that reads the same.
  std::optional<SourceLine> entry;
  if (!step([&] {
        const DayRow* row = report->RowAt(EditRow);
        if (!row) throw RunError(kErrInvalidCall, "There is no report entry at this row");
        entry = row->line;
      }))
    return;
  std::optional<std::string> replacement;
  if (action == "Update") {
    if (!step([&] {
          const frmReportEdit* editor = frmReportEdit::Loaded();
          if (!editor) throw RunError(kErrInvalidCall, "The entry editor is not open");
          replacement = EntryLine(editor->Entry());
        }))
      return;
    if (!replacement) entry.reset();  // a replacement that could not be read removes nothing
  }
  // One step: the new report is written whole and put in place by one rename, so a retry starts
  // afresh, and a skipped or abandoned rewrite leaves the report as it was.
  if (entry) {
    bool written = false;
    // With no report file, the entry is no longer there either.
    if (!step([&] {
          FileMissing([&] {
            written = RewriteReportLine(*p.files, p.system->ProgramFolder(), *entry, replacement);
          });
        }))
      return;
    if (!written && !step.failed() &&
        !step([&] {
          p.dialogs->MsgBox(kStaleEntryMessage, MsgStyle::OkOnly + MsgStyle::Exclamation,
                            "Tallywright");
        }))
      return;
  }
  if (!step([&] {
        if (frmReportEdit* editor = frmReportEdit::Loaded()) editor->Unload();
      }))
    return;
  // "Ready" once the report window shown again is closed.
  step([&] { ShowReport(main, [&main] { main.SetStatusText("Ready"); }); });
}

}  // namespace Setup
