#include "widgets/program_icon.h"

#include "widgets/icons/tallywright-16.xpm"
#include "widgets/icons/tallywright-32.xpm"

namespace tw {

QIcon ProgramIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap(tallywright_32_xpm));
  icon.addPixmap(QPixmap(tallywright_16_xpm));
  return icon;
}

QPixmap ProgramPicture() { return QPixmap(tallywright_32_xpm); }

}  // namespace tw
