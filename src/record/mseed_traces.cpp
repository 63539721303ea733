#include "record/mseed_traces.h"

#include <libmseed.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>

#include "common/format.h"
#include "common/translation.h"
#include "record/seismic_record.h"
#include "stations/station_xml.h"

namespace tremblo {

namespace {

// The last message libmseed gave on this thread.
thread_local std::string tLastLibraryMessage;

void KeepLibraryMessage(char* message) {
    tLastLibraryMessage = message ? message : "";
    while (!tLastLibraryMessage.empty() && (tLastLibraryMessage.back() == '\n' || tLastLibraryMessage.back() == ' '))
        tLastLibraryMessage.pop_back();
}

std::string Trimmed(const char* text) {
    std::string s(text);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    return s;
}

// A record read, with its values when asked for.
struct Segment {
    std::int64_t startMicros = 0;
    double sampleRate = 0.0;
    std::int64_t count = 0;
    std::vector<double> values;
    std::size_t offset = 0;  // byte offset of its record, for messages
};

struct ChannelSegments {
    std::string network, station, location, channel;
    std::vector<Segment> segments;
    std::int64_t total = 0;  // samples of the segments
};

std::string ChannelIdText(const ChannelSegments& c) {
    return c.network + "." + c.station + "." + c.location + "." + c.channel;
}

// Owns what msr_parse hands back.
class ParsedRecord {
public:
    ~ParsedRecord() { Free(); }
    MSRecord** out() {
        Free();
        return &msr_;
    }
    MSRecord* operator->() const { return msr_; }

private:
    void Free() {
        if (msr_) msr_free(&msr_);
        msr_ = nullptr;
    }
    MSRecord* msr_ = nullptr;
};

std::int64_t MicrosOfSamples(std::int64_t count, double rate) {
    return static_cast<std::int64_t>(std::llround(static_cast<double>(count) * 1.0e6 / rate));
}

std::string TimeText(std::int64_t micros) { return XmlDateTimeText(micros); }

// The most samples a record of `reclen` bytes can hold from `dataOffset` on.
std::int64_t MostSamples(int encoding, std::int64_t dataBytes) {
    switch (encoding) {
        case DE_ASCII: return dataBytes;
        case DE_INT16: return dataBytes / 2;
        case DE_INT32:
        case DE_FLOAT32: return dataBytes / 4;
        case DE_FLOAT64: return dataBytes / 8;
        case DE_STEIM1: return dataBytes / 64 * 60;
        case DE_STEIM2: return dataBytes / 64 * 105;
        default: return dataBytes * 2;
    }
}

ReadError RecordError(std::size_t offset, const std::string& what) {
    return ReadError{0, StringPrintf(TrText("record", "miniSEED の %zu バイト目のレコード: %s").c_str(), offset, what.c_str())};
}

std::string LibraryReason(int code) {
    std::string reason = ms_errorstr(code) ? ms_errorstr(code) : "";
    if (!tLastLibraryMessage.empty()) reason += " (libmseed: " + tLastLibraryMessage + ")";
    return reason;
}

Result<Segment> ValuesOf(const MSRecord* msr, Segment segment, const std::string& id) {
    if (msr->numsamples != msr->samplecnt)
        return RecordError(segment.offset, StringPrintf(TrText("record", "チャンネル %s: ヘッダーの %lld 個のうち %lld 個しか値を復号できません").c_str(),
                                                        id.c_str(), static_cast<long long>(msr->samplecnt),
                                                        static_cast<long long>(msr->numsamples)));
    segment.values.resize(static_cast<std::size_t>(msr->numsamples));
    for (std::int64_t i = 0; i < msr->numsamples; ++i) {
        double v = 0.0;
        switch (msr->sampletype) {
            case 'i': v = static_cast<const std::int32_t*>(msr->datasamples)[i]; break;
            case 'f': v = static_cast<const float*>(msr->datasamples)[i]; break;
            case 'd': v = static_cast<const double*>(msr->datasamples)[i]; break;
            default:
                return RecordError(segment.offset, StringPrintf(TrText("record", "チャンネル %s: 値が数ではなく文字です").c_str(), id.c_str()));
        }
        if (!std::isfinite(v))
            return RecordError(segment.offset, StringPrintf(TrText("record", "チャンネル %s: %lld 番目の値が有限の数ではありません").c_str(),
                                                            id.c_str(), static_cast<long long>(i + 1)));
        segment.values[static_cast<std::size_t>(i)] = v;
    }
    return segment;
}

// One record at `offset`; `length` is set to its length.
Result<Segment> ReadRecord(std::string& bytes, std::size_t offset, bool withSamples, ChannelSegments& names,
                           std::size_t& length) {
    char* at = bytes.data() + offset;
    const int available = static_cast<int>(std::min<std::size_t>(bytes.size() - offset, MAXRECLEN));
    ParsedRecord msr;
    tLastLibraryMessage.clear();
    int code = msr_parse(at, available, msr.out(), -1, 0, 0);
    if (code > 0 || (code == MS_NOERROR && msr->reclen > available))
        return RecordError(offset, TrText("record", "レコードが途中で切れています（ファイルの終わりが欠けています）"));
    if (code != MS_NOERROR) return RecordError(offset, LibraryReason(code));
    const int reclen = msr->reclen;
    if (reclen < MINRECLEN || reclen > available)  // the reading always moves on
        return RecordError(offset, TrText("record", "データレコードの見出しが壊れているか途中で切れています"));
    const std::int64_t dataOffset = msr->fsdh ? msr->fsdh->data_offset : 0;
    names.network = Trimmed(msr->network);
    names.station = Trimmed(msr->station);
    names.location = Trimmed(msr->location);
    names.channel = Trimmed(msr->channel);
    const std::string id = ChannelIdText(names);
    Segment segment;
    segment.offset = offset;
    segment.startMicros = msr->starttime;
    segment.sampleRate = msr->samprate;
    segment.count = msr->samplecnt;
    length = static_cast<std::size_t>(reclen);
    if (segment.count < 0 || (segment.count > 0 && (dataOffset < 48 || dataOffset >= reclen ||
                                                     segment.count > MostSamples(msr->encoding, reclen - dataOffset))))
        return RecordError(offset, StringPrintf(TrText("record", "チャンネル %s: ヘッダーの値の数 %lld はレコード（%d バイト）に入りきりません").c_str(),
                                                id.c_str(), static_cast<long long>(segment.count), reclen));
    if (segment.count > 0 && !(segment.sampleRate > 0.0 && std::isfinite(segment.sampleRate)))
        return RecordError(offset, StringPrintf(TrText("record", "チャンネル %s: サンプリング周波数 %g が正の数ではありません").c_str(),
                                                id.c_str(), segment.sampleRate));
    if (!withSamples || segment.count == 0) return segment;
    tLastLibraryMessage.clear();
    code = msr_parse(at, reclen, msr.out(), reclen, 1, 0);
    if (code != MS_NOERROR) return RecordError(offset, StringPrintf("%s: %s", id.c_str(), LibraryReason(code).c_str()));
    return ValuesOf(msr.operator->(), std::move(segment), id);
}

// A channel's records in time order as one trace.
Result<MseedTrace> Joined(ChannelSegments channel, bool withSamples) {
    std::stable_sort(channel.segments.begin(), channel.segments.end(),
                     [](const Segment& a, const Segment& b) { return a.startMicros < b.startMicros; });
    MseedTrace trace;
    trace.network = channel.network;
    trace.station = channel.station;
    trace.location = channel.location;
    trace.channel = channel.channel;
    const std::string id = trace.id();
    const Segment& first = channel.segments.front();
    trace.startMicros = first.startMicros;
    trace.sampleRate = first.sampleRate;
    if (withSamples) trace.values.reserve(static_cast<std::size_t>(channel.total));
    for (const Segment& s : channel.segments) {
        if (std::fabs(1.0 - s.sampleRate / trace.sampleRate) >= 1.0e-4)
            return ReadError{0, StringPrintf(TrText("record", "チャンネル %s のサンプリング周波数が %s に %g Hz から %g Hz に変わります").c_str(),
                                             id.c_str(), TimeText(s.startMicros).c_str(), trace.sampleRate, s.sampleRate)};
        const std::int64_t expected = trace.startMicros + MicrosOfSamples(trace.sampleCount, trace.sampleRate);
        const double halfSample = 0.5e6 / trace.sampleRate;
        const double shift = static_cast<double>(s.startMicros - expected);
        if (trace.sampleCount > 0 && shift >= halfSample)
            return ReadError{0, StringPrintf(TrText("record", "チャンネル %s に %s から %s まで欠測があります（つなげません）").c_str(),
                                             id.c_str(), TimeText(expected).c_str(), TimeText(s.startMicros).c_str())};
        if (trace.sampleCount > 0 && shift <= -halfSample)
            return ReadError{0, StringPrintf(TrText("record", "チャンネル %s のデータが %s から %s まで重なっています").c_str(),
                                             id.c_str(), TimeText(s.startMicros).c_str(), TimeText(expected).c_str())};
        trace.sampleCount += s.count;
        if (withSamples) trace.values.insert(trace.values.end(), s.values.begin(), s.values.end());
    }
    return trace;
}

}  // namespace

std::string MseedTrace::id() const { return network + "." + station + "." + location + "." + channel; }

std::int64_t MseedTrace::endMicros() const { return startMicros + MicrosOfSamples(sampleCount, sampleRate); }

void QuietMseedLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { ms_loginit(KeepLibraryMessage, nullptr, KeepLibraryMessage, nullptr); });
}

bool LooksLikeMiniSeed(std::string_view bytes) {
    if (bytes.size() < 48) return false;
    const char* h = bytes.data();
    return MS_ISVALIDHEADER(h);
}

Result<std::vector<MseedTrace>> ReadMseedTraces(std::string_view input, bool withSamples) {
    QuietMseedLibrary();
    std::string bytes(input);  // libmseed parses a record it may write to
    std::vector<ChannelSegments> channels;
    std::map<std::string, std::size_t> indexOf;
    for (std::size_t offset = 0; offset < bytes.size();) {
        if (bytes.size() - offset < 48 || !LooksLikeMiniSeed(std::string_view(bytes).substr(offset)))
            return RecordError(offset, offset == 0 ? TrText("record", "miniSEED のデータレコードではありません")
                                                   : TrText("record", "データレコードの見出しが壊れているか途中で切れています"));
        ChannelSegments names;
        std::size_t length = 0;
        Result<Segment> segment = ReadRecord(bytes, offset, withSamples, names, length);
        if (!segment) return segment.error();
        offset += length;
        if (segment.value().count == 0) continue;
        const std::string id = ChannelIdText(names);
        auto [it, added] = indexOf.emplace(id, channels.size());
        if (added) channels.push_back(std::move(names));
        ChannelSegments& channel = channels[it->second];
        channel.total += segment.value().count;
        channel.segments.push_back(std::move(segment.value()));
        if (channel.total > MAX_RECORD_SAMPLES)
            return ReadError{0, StringPrintf(TrText("record", "チャンネル %s は %lld 個の値を持ち、読める長さ（%d 個）を超えます").c_str(),
                                             id.c_str(), static_cast<long long>(channel.total), MAX_RECORD_SAMPLES)};
    }
    if (channels.empty()) return ReadError{0, TrText("record", "miniSEED ファイルに値のあるデータレコードがありません")};
    std::vector<MseedTrace> traces;
    for (ChannelSegments& channel : channels) {
        Result<MseedTrace> trace = Joined(std::move(channel), withSamples);
        if (!trace) return trace.error();
        traces.push_back(std::move(trace.value()));
    }
    return traces;
}

}  // namespace tremblo
