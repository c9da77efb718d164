#include "dialogs/dialog_template.h"

#include "shell/ids.h"

namespace bse {

const DialogTemplate& mainWindowTemplate() {
    static const DialogTemplate main{
        IDD_MAINWINDOW, "Plinkor 2 Board Editor", 427, 246, "MS Sans Serif", 8, IDR_MENU, {}};
    return main;
}

} // namespace bse
