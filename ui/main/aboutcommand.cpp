#include "aboutcommand.h"

#include <QAction>
#include <QWidget>

#include "windowcommand.h"

namespace dodoru {

AboutCommand::AboutCommand(QWidget& window, std::function<void()> showAboutBox) {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    window.addAction(separator);
    action_ = addWindowCommand(window, this, tr("關於 Dodoru數字方陣…"), {QKeySequence::HelpContents},
                               QStringLiteral("About Dodoru: version, maker and web page"));
    action_->setObjectName(QStringLiteral("aboutBox"));
    connect(action_, &QAction::triggered, this, [show = std::move(showAboutBox)] { show(); });
}

} // namespace dodoru
