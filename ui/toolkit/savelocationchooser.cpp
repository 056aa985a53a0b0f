#include "savelocationchooser.h"

#include <QFileDialog>

namespace dodoru {

QString DialogSaveLocationChooser::choose(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                          const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

} // namespace dodoru
