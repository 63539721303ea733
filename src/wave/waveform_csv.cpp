#include "wave/waveform_csv.h"

#include <algorithm>
#include <string>
#include <sstream>

#include "wave/fixed_format.h"

namespace tremblo {

void WriteWaveformCsv(std::ostream& out, const SeismicRecord& record, WaveQuantity quantity) {
    const int components = std::clamp(record.componentCount, 0, MAX_COMPONENTS);
    const char* unit = WaveUnitName(quantity);
    for (int c = 0; c < components; ++c) out << (c ? "," : "") << record.componentLabel[c].view();
    out << "\r\n" << std::to_string(record.samplingFrequency) << ",\r\n";
    out << record.stationCode.view() << ' ' << record.originDate.view() << ' '
        << record.originTime.view() << "\r\n";
    for (int c = 0; c < components; ++c) out << (c ? "," : "") << unit;
    out << "\r\n";

    const int start = std::max(record.windowStart, 0);
    const int length = std::min(record.windowLength, record.capacity() - start);
    std::string line;
    for (int j = 0; j < length; ++j) {
        line.clear();
        for (int c = 0; c < components; ++c) {
            float value = 0.0f;
            switch (quantity) {
                case WaveQuantity::Acceleration: value = record.samples[c][start + j]; break;
                case WaveQuantity::Velocity: value = record.velocity[c][j]; break;
                case WaveQuantity::Displacement: value = record.displacement[c][j]; break;
            }
            if (c) line += ',';
            AppendFixed(line, value, 10, 3);
        }
        line += "\r\n";
        out << line;
    }
}

std::string WaveformCsvText(const SeismicRecord& record, WaveQuantity quantity) {
    std::ostringstream out;
    WriteWaveformCsv(out, record, quantity);
    return out.str();
}

}  // namespace tremblo
