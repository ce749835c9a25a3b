#include "symbols.h"

#include "symbol_painters.h"

namespace quillox::artwork {

const std::array<SymbolPainter, symbolCount>& symbolsInSetOrder() {
    static const std::array<SymbolPainter, symbolCount> painters{
        paintHouse,    paintMoney,  paintHealth, paintCar,     paintWork,      paintSchool,
        paintTravel,   paintFamily, paintTax,    paintBank,    paintInsurance, paintUtilities,
        paintShopping, paintPets,   paintLegal,  paintHobbies,
    };
    return painters;
}

} // namespace quillox::artwork
