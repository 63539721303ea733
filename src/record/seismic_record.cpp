#include "record/seismic_record.h"

#include "common/shift_jis.h"
#include "common/translation.h"

namespace tremblo {

RecordFields::RecordFields() {
    // Picture texts, kept in Japanese here: the drawing says them in the
    // pictures' language.
    quantityLabel[0] = Utf8ToSjis(QT_TRANSLATE_NOOP("wave", "加速度"));
    quantityLabel[1] = Utf8ToSjis(QT_TRANSLATE_NOOP("wave", "速　度"));
    quantityLabel[2] = Utf8ToSjis(QT_TRANSLATE_NOOP("wave", "変　位"));
}

}  // namespace tremblo
