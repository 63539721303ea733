#include "record/seismic_record.h"

#include "common/shift_jis.h"

namespace tremblo {

RecordFields::RecordFields() {
    quantityLabel[0] = Utf8ToSjis("加速度");
    quantityLabel[1] = Utf8ToSjis("速　度");
    quantityLabel[2] = Utf8ToSjis("変　位");
}

}  // namespace tremblo
