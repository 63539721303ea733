#pragma once
#include <QPixmap>

namespace tremblo {

// The program's icon: a seismogram on a light square, drawn at any size.
QPixmap ProgramIcon(int size);

}  // namespace tremblo
