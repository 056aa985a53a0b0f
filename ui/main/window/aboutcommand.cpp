#include "aboutcommand.h"

#include <QAction>

#include "appinfo.h"
#include "windowcommand.h"

namespace dodoru {

AboutCommand::AboutCommand(std::function<void()> showAboutBox) {
    separator_ = new QAction(this);
    separator_->setSeparator(true);
    //: The context menu command that shows the About box again (F1). %1: the program's full name.
    action_ =
        makeWindowCommand(this, tr("關於 %1…").arg(app::applicationTitle()), {QKeySequence::HelpContents},
                          QStringLiteral("About Dodoru: version, maker and web page"));
    action_->setObjectName(QStringLiteral("aboutBox"));
    connect(action_, &QAction::triggered, this, [show = std::move(showAboutBox)] { show(); });
}

} // namespace dodoru
