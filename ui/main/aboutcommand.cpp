#include "aboutcommand.h"

#include <QAction>

#include "windowcommand.h"

namespace dodoru {

AboutCommand::AboutCommand(std::function<void()> showAboutBox) {
    separator_ = new QAction(this);
    separator_->setSeparator(true);
    action_ = makeWindowCommand(this, tr("關於 Dodoru數字方陣…"), {QKeySequence::HelpContents},
                                QStringLiteral("About Dodoru: version, maker and web page"));
    action_->setObjectName(QStringLiteral("aboutBox"));
    connect(action_, &QAction::triggered, this, [show = std::move(showAboutBox)] { show(); });
}

} // namespace dodoru
