#include "MolTransferKind.h"

namespace nledmark {

const MolTransferKind kMatTransfer = {
    "ledmark_mat_mol_to_mol",
    "mats",
    "Внутреннее перемещение МЗ",
    "Внутреннее перемещение материальных запасов",
    "Выбор мат-ов:",
    "Укажите коды материалов через запятую",
    "spr_stovan_mat",
    false,
    "105",
    "340",
    "440",
    "340",
    "340001",
    "материалы",
    true,
    false,
};

const MolTransferKind kOsTransfer = {
    "ledmark_os_mol_to_mol",
    "os",
    "Внутреннее перемещение ОС",
    "Внутреннее перемещение основных средств",
    "Выбор ОС:",
    "Укажите коды основных средств через запятую",
    "spr_osn_sr",
    true,
    "101",
    "310",
    "410",
    "410",
    "310000",
    "Осн.средства",
    false,
    true,
};

} // namespace nledmark
