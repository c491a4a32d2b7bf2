#include "import/frm_import.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "desktop/qt_text.h"
#include "import/fit.h"
#include "import/hamster.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "platform/product.h"
#include "platform/system.h"
#include "projects/project_list.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

namespace tw {

frmImport::frmImport(MainView& main, QWidget* parent) : QDialog(parent), main_(main) {
  setObjectName("frmImport");
  setWindowTitle(tr("Import"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  PaintLightYellow(this);
  SetDatabaseReader(ReadHamster);
  Build();
  Register();
}

void frmImport::Build() {
  auto* grid = new QGridLayout(this);
  auto* fileLabel = new QLabel(tr("&File:"), this);
  txtFile_ = new QLineEdit(this);
  txtFile_->setObjectName("txtFile");
  txtFile_->setReadOnly(true);
  fileLabel->setBuddy(txtFile_);
  auto* chooseFile = MakeButton(this, "cmdChooseFile", tr("Choose Fi&le..."), tr("Choose a file to import"));
  auto* chooseFolder = MakeButton(this, "cmdChooseFolder", tr("Choose F&older..."), tr("Choose a Timewarrior data folder"));
  auto* formatLabel = new QLabel(tr("Fo&rmat:"), this);
  cboFormat_ = new QComboBox(this);
  cboFormat_->setObjectName("cboFormat");
  cboFormat_->addItem(tr("Recognise it"));
  for (const ImportFormatInfo& f : ImportFormats()) cboFormat_->addItem(f.title);
  formatLabel->setBuddy(cboFormat_);
  chkNewProjects_ = new QCheckBox(tr("&Add new projects to the project list"), this);
  chkNewProjects_->setObjectName("chkNewProjects");
  chkNewProjects_->setChecked(true);
  chkNewProjects_->setMinimumHeight(chkNewProjects_->fontMetrics().height() + 12);  // its caption whole
  txtPreview_ = new QPlainTextEdit(this);
  txtPreview_->setObjectName("txtPreview");
  txtPreview_->setReadOnly(true);
  txtPreview_->setAccessibleName(tr("What the import would do"));
  txtPreview_->setMinimumSize(520, 260);
  prgRead_ = new QProgressBar(this);
  prgRead_->setObjectName("prgRead");
  prgRead_->setRange(0, 100);
  prgRead_->setAccessibleName(tr("Reading the file"));
  prgRead_->hide();
  cmdImport_ = MakeButton(this, "cmdImport", tr("&Import"), tr("Add the stretches to the report"));
  cmdImport_->setEnabled(false);
  cmdCancel_ = MakeButton(this, "cmdCancel", tr("Cancel"), tr("Write nothing"));

  grid->addWidget(fileLabel, 0, 0);
  grid->addWidget(txtFile_, 0, 1);
  grid->addWidget(chooseFile, 0, 2);
  grid->addWidget(chooseFolder, 0, 3);
  grid->addWidget(formatLabel, 1, 0);
  grid->addWidget(cboFormat_, 1, 1);
  grid->addWidget(chkNewProjects_, 2, 1, 1, 3);
  grid->addWidget(txtPreview_, 3, 0, 1, 4);
  grid->addWidget(prgRead_, 4, 0, 1, 4);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdImport_);
  buttons->addWidget(cmdCancel_);
  grid->addLayout(buttons, 5, 0, 1, 4);
  grid->setColumnStretch(1, 1);

  connect(chooseFile, &QPushButton::clicked, this, [this] { ChooseFile(false); });
  connect(chooseFolder, &QPushButton::clicked, this, [this] { ChooseFile(true); });
  connect(cboFormat_, &QComboBox::activated, this, [this] { Preview(path_); });
  connect(chkNewProjects_, &QCheckBox::toggled, this, [this] {
    txtPreview_->setPlainText(FromBytes(PlanText(preview_.plan, preview_.form, chkNewProjects_->isChecked())));
  });
  connect(cmdImport_, &QPushButton::clicked, this, [this] { Import(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void frmImport::reject() {
  if (busy_) {
    cancelled_ = true;
    return;
  }
  QDialog::reject();
}

void frmImport::done(int result) {
  Deregister();
  QDialog::done(result);
}

ImportContext frmImport::Context() const {
  const Platform& p = platform();
  return ImportContext{p.files, p.system->DataFolder(), p.dateFormat->data(), p.clock->UnixNow()};
}

void frmImport::Open(MainView& main, QWidget* parent) {
  if (frmImport* open = Loaded()) {
    open->raise();
    open->activateWindow();
    return;
  }
  auto* window = new frmImport(main, parent);
  window->ChooseFile(false);
  if (window->path_.empty()) {
    window->close();
    return;
  }
  window->ensurePolished();
  window->layout()->activate();
  // Never smaller than its controls need, whatever the rounding of the centring.
  window->setMinimumSize(window->sizeHint());
  CenterOnScreen(window);
  window->show();
}

void frmImport::ChooseFile(bool folder) {
  const QString start = path_.empty() ? QDir::homePath() : QFileInfo(FromBytes(path_)).absolutePath();
  const QString chosen = askPath ? askPath(this, folder)
                         : folder ? QFileDialog::getExistingDirectory(this, tr("Import a Timewarrior Data Folder"), start)
                                  : QFileDialog::getOpenFileName(this, tr("Import"), start);
  if (chosen.isEmpty()) return;
  cboFormat_->setCurrentIndex(0);
  Preview(ToBytes(chosen));
}

void frmImport::Preview(const std::string& path) {
  if (path.empty() || busy_) return;
  path_ = path;
  txtFile_->setText(FromBytes(path));
  std::optional<ImportFormat> format;
  if (cboFormat_->currentIndex() > 0) format = ImportFormats()[static_cast<std::size_t>(cboFormat_->currentIndex() - 1)].format;
  busy_ = true;
  cancelled_ = false;
  cmdImport_->setEnabled(false);
  txtPreview_->setPlainText(tr("Reading..."));
  prgRead_->setValue(0);
  prgRead_->show();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::processEvents();
  preview_ = PreviewImport(Context(), path, format, [this](double done) {
    prgRead_->setValue(static_cast<int>(done * 100));
    QApplication::processEvents();
    return !cancelled_;
  });
  QApplication::restoreOverrideCursor();
  prgRead_->hide();
  busy_ = false;
  if (!format && preview_.plan.refusal.empty()) {
    // Show the format recognised, so that the user sees it and may choose another.
    if (const auto found = DetectImportFormat(*platform().files, path))
      for (std::size_t i = 0; i < ImportFormats().size(); ++i)
        if (ImportFormats()[i].format == *found) cboFormat_->setCurrentIndex(static_cast<int>(i) + 1);
  }
  txtPreview_->setPlainText(FromBytes(PlanText(preview_.plan, preview_.form, chkNewProjects_->isChecked())));
  cmdImport_->setEnabled(preview_.plan.refusal.empty() && preview_.plan.added > 0);
}

void frmImport::Import() {
  const bool newProjects = chkNewProjects_->isChecked();
  if (!CommitImport(Context(), preview_, newProjects)) {
    platform().dialogs->MsgBox(Printable(preview_.plan.refusal), MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
    return;
  }
  if (newProjects && !preview_.plan.newProjects.empty()) {
    Setup::ReloadProjectList(main_);
  }
  const auto added = static_cast<long long>(preview_.plan.added);
  platform().dialogs->MsgBox(TrN("Import", "%n stretches were added to the report.",
                                 "%n stretch was added to the report.", added),
                             MsgStyle::OkOnly + MsgStyle::Information, kProductName);
  accept();
}

}  // namespace tw
