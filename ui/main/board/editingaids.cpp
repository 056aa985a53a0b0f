#include "editingaids.h"

#include "boardsession.h"
#include "cellkeyboard.h"
#include "conflictmarks.h"

namespace dodoru {

EditingAids::EditingAids(QWidget& window, BoardSession& session,
                         const std::array<CellLabel*, kCellCount>& cells, DigitChooser& chooser)
    : marks_(std::make_unique<ConflictMarks>(session)),
      keyboard_(std::make_unique<CellKeyboard>(window, cells, chooser, session)),
      history_(std::make_unique<BoardHistory>(window, session)) {}

EditingAids::~EditingAids() = default;

} // namespace dodoru
