#pragma once

#include <QIcon>

#include <map>

class QWidget;

namespace bse {

// The icons by resource number, each decoded once.
class Icons {
  public:
    // Nothing when there is no such icon.
    const QIcon* find(int iconId);

  private:
    std::map<int, QIcon> icons_;
};

// The icon of a top-level window, shown at once.
void showWindowIcon(QWidget& window, const QIcon& icon);

} // namespace bse
