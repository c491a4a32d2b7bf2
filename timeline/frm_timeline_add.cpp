#include "timeline/frm_timeline_add.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "desktop/qt_text.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

namespace tw {
namespace {

constexpr double kClientWidth = 4155, kClientHeight = 2040;

}  // namespace

frmTimelineAdd::frmTimelineAdd(QWidget* parent, const std::vector<std::string>& projects, const EntryTexts& proposed,
                               std::function<bool(const EntryTexts&)> apply)
    : QDialog(parent), apply_(std::move(apply)) {
  setObjectName("frmTimelineAdd");
  setWindowTitle(tr("Add Stretch"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowModality(Qt::ApplicationModal);
  PaintLightYellow(this);
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

  struct Caption {
    const char* name;
    const char* text;
  };
  const Caption labels[] = {{"lblProject", QT_TR_NOOP("&Project")}, {"lblProjectStart", QT_TR_NOOP("&Start Time")},
                            {"lblProjectEnd", QT_TR_NOOP("&End Time")}, {"lblComment", QT_TR_NOOP("C&omment")}};
  QLabel* made[4];
  for (int i = 0; i < 4; ++i) {
    made[i] = MakeLabel(this, labels[i].name, tr(labels[i].text));
    PlaceTwips(made[i], 120, 150 + 360 * i, 1455, 255);
  }
  cboProject_ = new QComboBox(this);
  cboProject_->setObjectName("cboProject");
  cboProject_->setEditable(true);
  cboProject_->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& name : projects)
    if (!name.empty()) cboProject_->addItem(FromBytes(name));
  cboProject_->setEditText(FromBytes(proposed.project));
  PlaceTwips(cboProject_, 1680, 120, 2415, 315);
  const auto box = [&](const char* name, double top, const std::string& text) {
    auto* edit = new QLineEdit(FromBytes(text), this);
    edit->setObjectName(name);
    PlaceTwips(edit, 1680, top, 2415, 285);
    return edit;
  };
  txtStart_ = box("txtProjectStart", 480, proposed.start);
  txtEnd_ = box("txtProjectEnd", 840, proposed.end);
  txtComment_ = box("txtComment", 1200, proposed.comment);
  made[0]->setBuddy(cboProject_);
  made[1]->setBuddy(txtStart_);
  made[2]->setBuddy(txtEnd_);
  made[3]->setBuddy(txtComment_);
  cmdCancel_ = MakeButton(this, "cmdCancel", tr("&Cancel"), "");
  PlaceTwips(cmdCancel_, 120, 1605, 855, 375);
  cmdAdd_ = MakeButton(this, "cmdAdd", tr("&Add"), tr("Add the stretch to the report"));
  PlaceTwips(cmdAdd_, 3240, 1605, 855, 375);
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { reject(); });
  connect(cmdAdd_, &QPushButton::clicked, this, [this] {
    if (apply_(Entry())) accept();
  });
  // Enter in any box adds, as the one thing this window is for.
  for (QLineEdit* edit : {cboProject_->lineEdit(), txtStart_, txtEnd_, txtComment_})
    connect(edit, &QLineEdit::returnPressed, cmdAdd_, &QPushButton::click);
  FitCaptions(this);
  CenterOnScreen(this, kClientWidth, kClientHeight);
  cboProject_->setFocus();
}

EntryTexts frmTimelineAdd::Entry() const {
  return EntryTexts{ToBytes(cboProject_->currentText()), ToBytes(txtStart_->text()), ToBytes(txtEnd_->text()),
                    ToBytes(txtComment_->text())};
}

}  // namespace tw
