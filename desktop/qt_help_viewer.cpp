#include "desktop/qt_help_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "desktop/qt_text.h"

namespace tw {
namespace {

constexpr int kAnchorRole = Qt::UserRole;

}  // namespace

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName("helpViewer");
  setWindowTitle(tr("Help"));
  splitter_ = new QSplitter(this);
  tabs_ = new QTabWidget(splitter_);
  topicList_ = new QListWidget;
  topicList_->setObjectName("helpTopics");
  // A title wider than the contents may grow wraps onto a further line, never behind a scroll bar.
  topicList_->setWordWrap(true);
  topicList_->setResizeMode(QListView::Adjust);
  topicList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  topicList_->setAccessibleName(tr("Topics"));
  tabs_->addTab(topicList_, tr("Contents"));

  auto* search = new QWidget;
  auto* searchLayout = new QVBoxLayout(search);
  auto* prompt = new QLabel(tr("Type the first few letters of the word you're looking for:"));
  prompt->setWordWrap(true);
  keywordBox_ = new QLineEdit;
  keywordBox_->setObjectName("helpKeyword");
  prompt->setBuddy(keywordBox_);
  keywordList_ = new QListWidget;
  keywordList_->setObjectName("helpKeywords");
  keywordList_->setAccessibleName(tr("Keywords"));
  auto* display = new QPushButton(tr("&Display"));
  searchLayout->addWidget(prompt);
  searchLayout->addWidget(keywordBox_);
  searchLayout->addWidget(keywordList_, 1);
  searchLayout->addWidget(display, 0, Qt::AlignRight);
  tabs_->addTab(search, tr("Index"));

  page_ = new QTextBrowser(splitter_);
  page_->setObjectName("helpPage");
  page_->setAccessibleName(tr("Help page"));
  page_->setOpenExternalLinks(true);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({200, 440});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter_);
  resize(700, 480);

  connect(topicList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    ShowTopic(item->data(kAnchorRole).toString().toStdString());
  });
  connect(topicList_, &QListWidget::itemClicked, topicList_, &QListWidget::itemActivated);
  // Typing moves the selection to the first keyword that begins with the typed letters.
  connect(keywordBox_, &QLineEdit::textEdited, this, [this](const QString& typed) {
    const int row = FindKeyword(index_.keywords, ToBytes(typed));
    if (row >= 0) keywordList_->setCurrentRow(row);
  });
  const auto showChosen = [this] {
    if (const QListWidgetItem* item = keywordList_->currentItem())
      ShowTopic(item->data(kAnchorRole).toString().toStdString());
  };
  connect(keywordBox_, &QLineEdit::returnPressed, this, showChosen);
  connect(keywordList_, &QListWidget::itemActivated, this, showChosen);
  connect(display, &QPushButton::clicked, this, showChosen);
}

void HelpViewer::Load(const QString& helpFile) {
  QFile file(helpFile);
  topicList_->clear();
  keywordList_->clear();
  index_ = {};
  if (!file.open(QIODevice::ReadOnly)) {
    setWindowTitle(tr("Help"));
    page_->setHtml("<h2>" + tr("The help file cannot be opened") + "</h2><p>" + helpFile.toHtmlEscaped() +
                   "</p><p>" + file.errorString().toHtmlEscaped() + "</p>");
    return;
  }
  const QByteArray html = file.readAll();
  index_ = ReadHelpIndex(std::string_view(html.constData(), static_cast<size_t>(html.size())));
  page_->setHtml(QString::fromUtf8(html));
  const QString title = page_->documentTitle();
  setWindowTitle(title.isEmpty() ? QFileInfo(helpFile).fileName() : title);
  for (const HelpTopic& topic : index_.topics) {
    auto* item = new QListWidgetItem(QString(4 * (topic.level - 1), ' ') + FromBytes(topic.title));
    item->setData(kAnchorRole, FromBytes(topic.anchor));
    topicList_->addItem(item);
  }
  for (const HelpKeyword& keyword : index_.keywords) {
    auto* item = new QListWidgetItem(FromBytes(keyword.keyword));
    item->setData(kAnchorRole, FromBytes(keyword.anchor));
    keywordList_->addItem(item);
  }
  FitContents();
}

void HelpViewer::FitContents() {
  // The contents are as wide as their widest title, within half the window.
  const int widest = topicList_->sizeHintForColumn(0) + 2 * topicList_->frameWidth() +
                     topicList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, topicList_) +
                     2 * topicList_->spacing() + 4;
  topicList_->setMinimumWidth(std::min(widest, width() / 2));
  splitter_->setSizes({tabs_->minimumSizeHint().width(), width()});
}

void HelpViewer::Present() {
  if (!isVisible()) {
    // Centred by its outer rectangle (a window's position is its frame's), the frame being like
    // its owner's.
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QWindow* ownerWindow = owner ? owner->windowHandle() : nullptr;
    const QMargins frame = ownerWindow ? ownerWindow->frameMargins() : QMargins();
    const QSize outer = size().grownBy(frame);
    if (screen) move(screen->availableGeometry().center() - QRect(QPoint(), outer).center());
  }
  showNormal();
  raise();
  activateWindow();
}

void HelpViewer::ShowContents(const QString& helpFile) {
  Load(helpFile);
  tabs_->setCurrentIndex(0);
  Present();
}

void HelpViewer::ShowSearch(const QString& helpFile, const QString& keyword) {
  Load(helpFile);
  tabs_->setCurrentIndex(1);
  keywordBox_->setText(keyword);
  const int row = FindKeyword(index_.keywords, ToBytes(keyword));
  if (row >= 0) keywordList_->setCurrentRow(row);
  Present();
  keywordBox_->setFocus();
}

void HelpViewer::ShowTopic(const std::string& anchor) { page_->scrollToAnchor(FromBytes(anchor)); }

}  // namespace tw
