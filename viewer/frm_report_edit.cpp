#include "viewer/frm_report_edit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "platform/platform.h"
#include "desktop/qt_text.h"
#include "report/report_form.h"
#include "state/program_state.h"
#include "viewer/frm_report.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

namespace tw {
namespace {

constexpr double kClientWidth = 4155;
constexpr double kClientHeight = 2835;

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
  setWindowTitle(tr("Report Edit"));
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
  const Caption labels[] = {{"lblProject", QT_TR_NOOP("Project")},
                            {"lblProjectStart", QT_TR_NOOP("Project Start Time")},
                            {"lblProjectEnd", QT_TR_NOOP("Project End Time")},
                            {"lblComment", QT_TR_NOOP("Comment")}};
  QLabel* shown[4];
  for (int i = 0; i < 4; ++i) {
    shown[i] = MakeLabel(this, labels[i].name, tr(labels[i].text));
    PlaceTwips(shown[i], 120, 120 + 360 * i, 1455, 255);
  }
  txtProject_ = MakeBox(this, "txtProject", 120);
  txtProjectStart_ = MakeBox(this, "txtProjectStart", 480);
  txtProjectEnd_ = MakeBox(this, "txtProjectEnd", 840);
  txtComment_ = new QPlainTextEdit(this);
  txtComment_->setObjectName("txtComment");
  txtComment_->setTabChangesFocus(true);
  PlaceTwips(txtComment_, 1680, 1200, 2415, 1095);
  // Each box is named by the label beside it.
  const QWidget* boxes[] = {txtProject_, txtProjectStart_, txtProjectEnd_, txtComment_};
  for (int i = 0; i < 4; ++i) shown[i]->setBuddy(const_cast<QWidget*>(boxes[i]));
  cmdCancel_ = MakeButton(this, "cmdCancel", tr("&Cancel"), "");
  PlaceTwips(cmdCancel_, 0, 2400, 855, 375);
  cmdDelete_ = MakeButton(this, "cmdDelete", tr("&Delete"), "");
  PlaceTwips(cmdDelete_, 1560, 2400, 855, 375);
  cmdSave_ = MakeButton(this, "cmdSave", tr("&Save"), "");
  PlaceTwips(cmdSave_, 3240, 2400, 855, 375);

  connect(cmdSave_, &QPushButton::clicked, this, [this] { Save(); });
  connect(cmdDelete_, &QPushButton::clicked, this, [this] { Delete(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { Unload(); });

  FitCaptions(this);
  CenterOnScreen(this, kClientWidth, kClientHeight);
  txtProject_->setFocus();
  Register();
}

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
  // The start and end must read in the form of the report the entry is in (in a shared folder,
  // that machine's), and the example is written in it.
  const ReportWindow* report = target_ ? nullptr : ReportWindows().LoadedReport();
  const DayRow* row = report ? report->RowAt(Setup::EditRow) : nullptr;
  const DateFormat form = target_ ? target_->form : row && row->origin ? *row->origin->format : ReportDateFormat();
  if (const auto problem = CheckEntry(entry, form, form.FormatGeneral(p.clock->Now()))) {
    // The editor stays open with what was typed, for the user to put right.
    p.dialogs->MsgBox(problem->message, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
    QLineEdit* box = problem->field == EntryField::Project ? txtProject_
                     : problem->field == EntryField::Start ? txtProjectStart_
                                                           : txtProjectEnd_;
    box->setFocus();
    box->selectAll();
    return;
  }
  if (target_) {
    if (target_->apply(EntryAction::Update, entry)) Unload();
    return;
  }
  Setup::UpdateReport(EntryAction::Update, Setup::EditRow, Setup::DisplayDate, ReportWindows());
  Unload();
}

void frmReportEdit::Delete() {
  if (target_) {
    if (target_->apply(EntryAction::Delete, Entry())) Unload();
    return;
  }
  Setup::UpdateReport(EntryAction::Delete, Setup::EditRow, Setup::DisplayDate, ReportWindows());
  Unload();
}

void frmReportEdit::Unload() { done(QDialog::Rejected); }

void frmReportEdit::done(int result) {
  // However it closes (a button, the close box, Escape), the editor is no longer loaded.
  Deregister();
  QDialog::done(result);
}

}  // namespace tw
