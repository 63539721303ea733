#include "record/seismic_record.h"

#include <algorithm>

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

void TraceBuffer::Fit(int count) {
    const int wanted = std::max(count, SAMPLE_CAPACITY);
    if (wanted == capacity_) return;
    data_.reset(new float[static_cast<std::size_t>(wanted)]());  // the old one goes only once the new one is there
    capacity_ = wanted;
}

void SeismicRecord::FitBuffers(int count) {
    for (int c = 0; c < MAX_COMPONENTS; ++c) {
        samples[c].Fit(count);
        velocity[c].Fit(count);
        displacement[c].Fit(count);
    }
    workTrace.Fit(count);
}

}  // namespace tremblo
