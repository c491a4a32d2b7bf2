#pragma once
// Add Stretch: a stretch the tracker never saw (the meeting without a timer), typed or proposed by
// the timeline: its project (from the project list, or typed), start, end and comment.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "viewer/entry.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tw {

class frmTimelineAdd : public QDialog {
  Q_OBJECT

 public:
  // `apply` is given the boxes' texts when Add is pressed; true closes the window.
  frmTimelineAdd(QWidget* parent, const std::vector<std::string>& projects, const EntryTexts& proposed,
                 std::function<bool(const EntryTexts&)> apply);
  EntryTexts Entry() const;

 private:
  QComboBox* cboProject_ = nullptr;
  QLineEdit* txtStart_ = nullptr;
  QLineEdit* txtEnd_ = nullptr;
  QLineEdit* txtComment_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdAdd_ = nullptr;
  std::function<bool(const EntryTexts&)> apply_;
};

}  // namespace tw
