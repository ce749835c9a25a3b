// A scripted TWAIN manager with its sources, built as a real shared library under the public
// manager's file name. Tests script it through the fake_twain_* functions, which they reach
// with dlopen/dlsym on the same file, and read back every triplet it received.
#include "scan/twain/twain_protocol.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace quillox::twain;

namespace {

struct Script {
    std::vector<std::string> sources;
    std::map<std::string, long> values;
    std::string calls;
    TW_UINT16 condition = TWCC_SUCCESS;
    TW_UINT16 mailbox = MSG_NULL;
    long pagesLeft = 0;
    long page = 0;
    long rowsSent = 0;
    TW_IDENTITY origin{};

    long value(const std::string& key, long otherwise) const {
        const auto found = values.find(key);
        return found == values.end() ? otherwise : found->second;
    }
};

Script& script() {
    static Script state;
    return state;
}

const char* messageName(TW_UINT16 dat, TW_UINT16 msg) {
    static const std::map<std::pair<int, int>, const char*> names{
        {{DAT_PARENT, MSG_OPENDSM}, "OPENDSM"},
        {{DAT_PARENT, MSG_CLOSEDSM}, "CLOSEDSM"},
        {{DAT_IDENTITY, MSG_GETFIRST}, "GETFIRST"},
        {{DAT_IDENTITY, MSG_GETNEXT}, "GETNEXT"},
        {{DAT_IDENTITY, MSG_GETDEFAULT}, "GETDEFAULT"},
        {{DAT_IDENTITY, MSG_USERSELECT}, "USERSELECT"},
        {{DAT_IDENTITY, MSG_OPENDS}, "OPENDS"},
        {{DAT_IDENTITY, MSG_CLOSEDS}, "CLOSEDS"},
        {{DAT_STATUS, MSG_GET}, "STATUS"},
        {{DAT_USERINTERFACE, MSG_ENABLEDS}, "ENABLEDS"},
        {{DAT_USERINTERFACE, MSG_DISABLEDS}, "DISABLEDS"},
        {{DAT_EVENT, MSG_PROCESSEVENT}, "PROCESSEVENT"},
        {{DAT_PENDINGXFERS, MSG_ENDXFER}, "ENDXFER"},
        {{DAT_PENDINGXFERS, MSG_RESET}, "RESET"},
        {{DAT_IMAGENATIVEXFER, MSG_GET}, "NATIVEXFER"},
        {{DAT_IMAGEINFO, MSG_GET}, "IMAGEINFO"},
        {{DAT_SETUPMEMXFER, MSG_GET}, "SETUPMEMXFER"},
        {{DAT_IMAGEMEMXFER, MSG_GET}, "MEMXFER"},
        {{DAT_CAPABILITY, MSG_GET}, "CAPABILITY"},
        {{DAT_CAPABILITY, MSG_SET}, "SETCAPABILITY"},
        {{DAT_PALETTE8, MSG_GET}, "PALETTE8"},
        {{DAT_SETUPFILEXFER, MSG_GET}, "SETUPFILEXFER"},
        {{DAT_IMAGEFILEXFER, MSG_GET}, "FILEXFER"},
    };
    const auto found = names.find({dat, msg});
    return found == names.end() ? "OTHER" : found->second;
}

void identityOf(std::size_t index, TW_IDENTITY& identity) {
    std::memset(&identity, 0, sizeof identity);
    identity.Id = TW_UINT32(index + 1);
    identity.Version.MajorNum = 1;
    identity.ProtocolMajor = 1;
    identity.ProtocolMinor = 9;
    identity.SupportedGroups = DG_CONTROL | DG_IMAGE;
    std::strncpy(identity.Manufacturer, "Fake Scanners", 33);
    std::strncpy(identity.ProductName, script().sources[index].c_str(), 33);
}

TW_UINT16 fail(TW_UINT16 condition) {
    script().condition = condition;
    return TWRC_FAILURE;
}

// The image: width x height in the scripted pixel type, one value a channel, or as many bits a
// pixel as "bits" says.
int width() {
    return int(script().value("width", 5));
}
int height() {
    return int(script().value("height", 3));
}
int pixelType() {
    return int(script().value("pixeltype", TWPT_RGB));
}
int bitsPerPixel() {
    switch (pixelType()) {
    case TWPT_BW:
        return int(script().value("bits", 1));
    case TWPT_RGB:
        return int(script().value("bits", 24));
    default:
        return int(script().value("bits", 8));
    }
}
std::size_t stride() {
    return ((std::size_t(width()) * bitsPerPixel() + 31) / 32) * 4;
}

// The byte of the top-down, red-green-blue image at a row and a position in it.
std::uint8_t sourceByte(int row, std::size_t at) {
    if (at >= (std::size_t(width()) * bitsPerPixel() + 7) / 8)
        return 0;
    return std::uint8_t((row * 31 + int(at) * 7 + script().page * 3) & 0xFF);
}

// A TIFF file being written in one byte order, little-endian or big-endian.
struct TiffBytes {
    bool bigEndian;
    std::vector<std::uint8_t> bytes;

    void put(std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + std::size_t(i)] =
                std::uint8_t(value >> 8 * (bigEndian ? size - 1 - i : i) & 0xFF);
    }
    // A directory entry: a short or long type (3 or 4) with its first value, or the offset of
    // its values when they do not fit in 4 bytes.
    void entry(std::size_t at, std::uint16_t tag, std::uint16_t type, std::uint32_t count,
               std::uint32_t value) {
        put(at, tag, 2);
        put(at + 2, type, 2);
        put(at + 4, count, 4);
        put(at + 8, value, type == 3 && count == 1 ? 2 : 4);
    }
};

// The scripted image as an uncompressed TIFF file of one strip: "native_tiff" 1 writes it
// little-endian, 2 big-endian. Black is zero; the resolution is in dots an inch. With
// "native_tiff_broken" its directory lies beyond the file.
TW_UINT16 nativeTiff(TW_HANDLE* handle) {
    const bool rgb = pixelType() == TWPT_RGB;
    const int samples = rgb ? 3 : 1;
    const std::size_t rowBytes = (std::size_t(width()) * bitsPerPixel() + 7) / 8;
    constexpr std::size_t entries = 12;
    constexpr std::size_t directory = 8;
    const std::size_t bitsAt = directory + 2 + 12 * entries + 4;
    const std::size_t resolutionAt = bitsAt + 6;
    const std::size_t pixelsAt = resolutionAt + 8;
    TiffBytes tiff{script().value("native_tiff", 1) == 2, {}};
    tiff.bytes.assign(pixelsAt + rowBytes * std::size_t(height()), 0);
    std::memcpy(tiff.bytes.data(), tiff.bigEndian ? "MM\0*" : "II*\0", 4);
    tiff.put(4, script().value("native_tiff_broken", 0) ? 0x7FFFFFF0 : directory, 4);
    tiff.put(directory, entries, 2);
    const auto bitsPerSample = std::uint32_t(bitsPerPixel() / samples);
    const std::uint32_t fields[entries][4] = {
        {256, 4, 1, std::uint32_t(width())},
        {257, 4, 1, std::uint32_t(height())},
        {258, 3, std::uint32_t(samples), samples == 1 ? bitsPerSample : std::uint32_t(bitsAt)},
        {259, 3, 1, 1},
        {262, 3, 1, rgb ? 2u : 1u},
        {273, 4, 1, std::uint32_t(pixelsAt)},
        {277, 3, 1, std::uint32_t(samples)},
        {278, 4, 1, std::uint32_t(height())},
        {279, 4, 1, std::uint32_t(rowBytes * std::size_t(height()))},
        {282, 5, 1, std::uint32_t(resolutionAt)},
        {283, 5, 1, std::uint32_t(resolutionAt)},
        {296, 3, 1, 2},
    };
    for (std::size_t i = 0; i < entries; ++i)
        tiff.entry(directory + 2 + 12 * i, std::uint16_t(fields[i][0]), std::uint16_t(fields[i][1]),
                   fields[i][2], fields[i][3]);
    for (int i = 0; i < samples; ++i)
        tiff.put(bitsAt + 2 * std::size_t(i), bitsPerSample, 2);
    tiff.put(resolutionAt, std::uint32_t(script().value("resolution", 300)), 4);
    tiff.put(resolutionAt + 4, 1, 4);
    for (int row = 0; row < height(); ++row)
        for (std::size_t at = 0; at < rowBytes; ++at)
            tiff.bytes[pixelsAt + std::size_t(row) * rowBytes + at] = sourceByte(row, at);
    auto* block = static_cast<std::uint8_t*>(std::malloc(tiff.bytes.size()));
    std::memcpy(block, tiff.bytes.data(), tiff.bytes.size());
    *handle = block;
    return TWRC_XFERDONE;
}

TW_UINT16 nativeTransfer(TW_HANDLE* handle) {
    if (script().value("native_tiff", 0))
        return nativeTiff(handle);
    const long header = script().value("native_header", 40);
    const int colours = bitsPerPixel() <= 8 ? 1 << bitsPerPixel() : 0;
    const std::size_t pixels = stride() * std::size_t(height());
    const std::size_t claimedHeight =
        std::size_t(height() + script().value("native_extra_rows", 0));
    const std::size_t size = std::size_t(header) + std::size_t(colours) * 4 + pixels;
    auto* block = static_cast<std::uint8_t*>(std::calloc(1, size));
    const std::int32_t words[] = {std::int32_t(header), width(), std::int32_t(claimedHeight)};
    std::memcpy(block, words, sizeof words);
    const std::uint16_t planesAndBits[] = {1, std::uint16_t(bitsPerPixel())};
    std::memcpy(block + 12, planesAndBits, sizeof planesAndBits);
    for (int i = 0; i < colours; ++i) {
        const std::uint8_t entry[] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
        std::memcpy(block + header + 4 * i, entry, 4);
    }
    std::uint8_t* rows = block + header + 4 * colours;
    for (int row = 0; row < height(); ++row) {
        std::uint8_t* target = rows + std::size_t(height() - 1 - row) * stride();
        for (std::size_t at = 0; at < stride(); ++at)
            target[at] = sourceByte(row, at);
        if (bitsPerPixel() == 24) {
            for (int x = 0; x < width(); ++x)
                std::swap(target[3 * x], target[3 * x + 2]);
        }
    }
    *handle = block;
    return TWRC_XFERDONE;
}

// The page's whole top-down image, built on its first strip and kept while the image's form
// and page stay the same: a source scripted with "prebuilt" then hands out each strip with
// one copy, as a scanner copies from its own buffer, so that a benchmark times the receiver.
const std::uint8_t* prebuiltPage() {
    static std::vector<std::uint8_t> bytes;
    static std::vector<long> builtFor;
    const std::vector<long> wanted{width(), height(), bitsPerPixel(), script().page};
    if (builtFor != wanted) {
        const std::size_t rowBytes = stride();
        bytes.resize(rowBytes * std::size_t(height()));
        for (int row = 0; row < height(); ++row)
            for (std::size_t at = 0; at < rowBytes; ++at)
                bytes[std::size_t(row) * rowBytes + at] = sourceByte(row, at);
        builtFor = wanted;
    }
    return bytes.data();
}

TW_UINT16 memoryStrip(TW_IMAGEMEMXFER& strip) {
    const std::size_t total = stride() * std::size_t(height());
    const std::size_t sent = std::size_t(script().rowsSent);
    const std::size_t size = std::min<std::size_t>(
        {std::size_t(script().value("strip", 7)), strip.Memory.Length, total - sent});
    auto* buffer = static_cast<std::uint8_t*>(strip.Memory.TheMem);
    if (script().value("prebuilt", 0)) {
        std::memcpy(buffer, prebuiltPage() + sent, size);
    } else {
        for (std::size_t i = 0; i < size; ++i)
            buffer[i] = sourceByte(int((sent + i) / stride()), (sent + i) % stride());
    }
    strip.BytesWritten = TW_UINT32(size + std::size_t(script().value("overwrite", 0)));
    script().rowsSent += long(size);
    if (std::size_t(script().rowsSent) < total)
        return TWRC_SUCCESS;
    script().rowsSent = 0;
    return TWRC_XFERDONE;
}

// A scripted capability: "cap_<id>" its current value and "cap_<id>_type" its item type
// (the unit and flavour also by "units" and "flavor"), answered as "cap_kind" says: an
// enumeration (the default) of the items value + 1 and value, current 1 and default 0, or a
// one-value container.
TW_UINT16 capability(TW_CAPABILITY& request) {
    Script& s = script();
    const std::string key = "cap_" + std::to_string(request.Cap);
    long value = s.value(key, -1);
    if (value < 0 && request.Cap == 0x0102)
        value = s.value("units", -1);
    if (value < 0 && request.Cap == 0x111f)
        value = s.value("flavor", -1);
    if (value < 0)
        return fail(TWCC_CAPUNSUPPORTED);
    const auto type = TW_UINT16(s.value(key + "_type", 4));
    const auto item = TW_UINT32(value);
    if (s.value("cap_kind", 4) == 5) {
        auto* block = static_cast<std::uint8_t*>(std::calloc(1, 6));
        std::memcpy(block, &type, 2);
        std::memcpy(block + 2, &item, 4);
        request.ConType = 5;
        request.hContainer = block;
        return TWRC_SUCCESS;
    }
    const std::size_t size = type == 1 || type == 4 || type == 6 ? 2 : 4;
    auto* block = static_cast<std::uint8_t*>(std::calloc(1, 14 + 2 * size));
    const TW_UINT32 header[] = {2, 1, 0};
    std::memcpy(block, &type, 2);
    std::memcpy(block + 2, header, sizeof header);
    const TW_UINT32 items[] = {item + 1, item};
    std::memcpy(block + 14, &items[0], size);
    std::memcpy(block + 14 + size, &items[1], size);
    request.ConType = 4;
    request.hContainer = block;
    return TWRC_SUCCESS;
}

// A value the application sets is kept as "set_<id>". With "xfermech_refused" the source
// keeps to native transfers, as a driver without memory transfers does.
TW_UINT16 setCapability(const TW_CAPABILITY& request) {
    if (request.ConType != 5 || !request.hContainer)
        return fail(TWCC_BADVALUE);
    if (request.Cap == ICAP_XFERMECH && script().value("xfermech_refused", 0))
        return fail(TWCC_BADVALUE);
    TW_UINT32 item = 0;
    std::memcpy(&item, static_cast<const std::uint8_t*>(request.hContainer) + 2, 4);
    TW_UINT16 type = 0;
    std::memcpy(&type, request.hContainer, 2);
    if (type == 1 || type == 4 || type == 6)
        item &= 0xFFFF;
    script().values["set_" + std::to_string(request.Cap)] = long(item);
    return TWRC_SUCCESS;
}

TW_UINT16 toManager(TW_IDENTITY* origin, TW_UINT16 dat, TW_UINT16 msg, void* data) {
    Script& s = script();
    auto* identity = static_cast<TW_IDENTITY*>(data);
    switch (dat << 16 | msg) {
    case DAT_PARENT << 16 | MSG_OPENDSM:
        if (origin->ProductName[0] == 0)
            return fail(TWCC_BADVALUE);
        origin->Id = 1;
        return s.value("opendsm_fails", 0) ? fail(TWCC_BUMMER) : TWRC_SUCCESS;
    case DAT_PARENT << 16 | MSG_CLOSEDSM:
        return TWRC_SUCCESS;
    case DAT_IDENTITY << 16 | MSG_GETFIRST:
    case DAT_IDENTITY << 16 | MSG_GETNEXT: {
        const std::size_t next = msg == MSG_GETFIRST ? 0 : std::size_t(s.value("next", 0));
        if (next >= s.sources.size())
            return TWRC_ENDOFLIST;
        identityOf(next, *identity);
        s.values["next"] = long(next + 1);
        return TWRC_SUCCESS;
    }
    case DAT_IDENTITY << 16 | MSG_GETDEFAULT:
        if (s.sources.empty())
            return fail(TWCC_NODS);
        identityOf(std::size_t(s.value("default", 0)), *identity);
        return TWRC_SUCCESS;
    case DAT_IDENTITY << 16 | MSG_USERSELECT: {
        const long choice = s.value("userselect", -2);
        if (choice == -2) {
            identity->Id = 0;
            return fail(TWCC_BADPROTOCOL);
        }
        if (choice == -1)
            return TWRC_CANCEL;
        identityOf(std::size_t(choice), *identity);
        return TWRC_SUCCESS;
    }
    case DAT_IDENTITY << 16 | MSG_OPENDS:
        if (identity->Id == 0 || identity->Id > s.sources.size() || s.value("opends_fails", 0))
            return fail(TWCC_NODS);
        return TWRC_SUCCESS;
    case DAT_IDENTITY << 16 | MSG_CLOSEDS:
        return TWRC_SUCCESS;
    case DAT_STATUS << 16 | MSG_GET:
        static_cast<TW_STATUS*>(data)->ConditionCode = s.condition;
        s.condition = TWCC_SUCCESS;
        return TWRC_SUCCESS;
    default:
        return fail(TWCC_BADPROTOCOL);
    }
}

TW_UINT16 toSource(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, void* data) {
    Script& s = script();
    switch (dat << 16 | msg) {
    case DAT_USERINTERFACE << 16 | MSG_ENABLEDS: {
        const auto result = TW_UINT16(s.value("enable_rc", TWRC_SUCCESS));
        s.pagesLeft = s.value("pages", 1);
        s.page = 0;
        if ((result == TWRC_SUCCESS || result == TWRC_CHECKSTATUS) && s.value("ready", 1))
            s.mailbox = MSG_XFERREADY;
        return result;
    }
    case DAT_USERINTERFACE << 16 | MSG_DISABLEDS:
        return TWRC_SUCCESS;
    case DAT_EVENT << 16 | MSG_PROCESSEVENT: {
        auto* event = static_cast<TW_EVENT*>(data);
        if (s.mailbox == MSG_NULL) {
            event->TWMessage = MSG_NULL;
            return TWRC_NOTDSEVENT;
        }
        event->TWMessage = s.mailbox;
        s.mailbox = MSG_NULL;
        return TWRC_DSEVENT;
    }
    case DAT_PENDINGXFERS << 16 | MSG_ENDXFER: {
        auto* pending = static_cast<TW_PENDINGXFERS*>(data);
        s.pagesLeft = s.pagesLeft > 0 ? s.pagesLeft - 1 : 0;
        ++s.page;
        pending->Count = TW_UINT16(s.pagesLeft);
        return TWRC_SUCCESS;
    }
    case DAT_PENDINGXFERS << 16 | MSG_GET:
        static_cast<TW_PENDINGXFERS*>(data)->Count = TW_UINT16(s.pagesLeft);
        return TWRC_SUCCESS;
    case DAT_PENDINGXFERS << 16 | MSG_RESET:
        s.pagesLeft = 0;
        static_cast<TW_PENDINGXFERS*>(data)->Count = 0;
        return TWRC_SUCCESS;
    case DAT_STATUS << 16 | MSG_GET:
        static_cast<TW_STATUS*>(data)->ConditionCode = s.condition;
        s.condition = TWCC_SUCCESS;
        return TWRC_SUCCESS;
    case DAT_CAPABILITY << 16 | MSG_GET:
    case DAT_CAPABILITY << 16 | MSG_GETCURRENT:
    case DAT_CAPABILITY << 16 | MSG_GETDEFAULT:
        return capability(*static_cast<TW_CAPABILITY*>(data));
    case DAT_CAPABILITY << 16 | MSG_SET:
        return setCapability(*static_cast<TW_CAPABILITY*>(data));
    case DAT_SETUPFILEXFER << 16 | MSG_GET: {
        auto* setup = static_cast<TW_SETUPFILEXFER*>(data);
        std::strncpy(setup->FileName, "/tmp/fake-twain-page.bmp", sizeof setup->FileName - 1);
        setup->Format = 2;
        return TWRC_SUCCESS;
    }
    case DAT_SETUPFILEXFER << 16 | MSG_SET:
        s.values["file_format"] = static_cast<TW_SETUPFILEXFER*>(data)->Format;
        return TWRC_SUCCESS;
    case DAT_SETUPMEMXFER << 16 | MSG_GET: {
        // A driver that keeps to the protocol transfers through memory only when told to.
        if (s.value("strict_mechanism", 0) && s.value("set_259", TWSX_NATIVE) != TWSX_MEMORY)
            return fail(TWCC_SEQERROR);
        auto* setup = static_cast<TW_SETUPMEMXFER*>(data);
        setup->Preferred = TW_UINT32(s.value("preferred", 16));
        setup->MinBufSize = setup->MaxBufSize = setup->Preferred;
        return TWRC_SUCCESS;
    }
    default:
        break;
    }
    if (dg != DG_IMAGE)
        return fail(TWCC_BADPROTOCOL);
    if (s.value("cancel_page", -1) == s.page &&
        (dat == DAT_IMAGENATIVEXFER || dat == DAT_IMAGEMEMXFER))
        return TWRC_CANCEL;
    // A page the scanner fails, the following ones taken as usual.
    if (s.value("fail_page", -1) == s.page &&
        (dat == DAT_IMAGENATIVEXFER || dat == DAT_IMAGEMEMXFER))
        return fail(TWCC_PAPERJAM);
    switch (dat << 16 | msg) {
    case DAT_IMAGENATIVEXFER << 16 | MSG_GET:
        return nativeTransfer(static_cast<TW_HANDLE*>(data));
    case DAT_IMAGEINFO << 16 | MSG_GET: {
        if (s.value("imageinfo_fails", 0))
            return fail(TWCC_BUMMER);
        auto* info = static_cast<TW_IMAGEINFO*>(data);
        info->XResolution = {TW_INT16(s.value("resolution", 300)), 0};
        info->YResolution = info->XResolution;
        info->ImageWidth = width();
        info->ImageLength = height();
        info->BitsPerPixel = TW_INT16(bitsPerPixel());
        info->PixelType = TW_INT16(pixelType());
        return TWRC_SUCCESS;
    }
    case DAT_IMAGEMEMXFER << 16 | MSG_GET:
        if (s.value("strip_fails", 0))
            return fail(TWCC_BUMMER);
        return memoryStrip(*static_cast<TW_IMAGEMEMXFER*>(data));
    case DAT_IMAGELAYOUT << 16 | MSG_SET:
        s.values["layout_right"] = static_cast<TW_IMAGELAYOUT*>(data)->Frame.Right.Whole;
        return TWRC_SUCCESS;
    case DAT_IMAGEFILEXFER << 16 | MSG_GET:
        return TWRC_XFERDONE;
    case DAT_PALETTE8 << 16 | MSG_GET: {
        auto* palette = static_cast<TW_PALETTE8*>(data);
        palette->NumColors = TW_UINT16(s.value("palette_colours", 16));
        for (int i = 0; i < 256; ++i)
            palette->Colors[i] = {TW_UINT8(i), TW_UINT8(i), TW_UINT8(2 * i), TW_UINT8(3 * i)};
        return TWRC_SUCCESS;
    }
    default:
        return fail(TWCC_BADPROTOCOL);
    }
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) TW_UINT16 DSM_Entry(TW_IDENTITY* origin,
                                                           TW_IDENTITY* destination, TW_UINT32 dg,
                                                           TW_UINT16 dat, TW_UINT16 msg,
                                                           TW_MEMREF data) {
    Script& s = script();
    s.calls += std::string(destination ? "source " : "manager ") + messageName(dat, msg) + "\n";
    if (!origin)
        return fail(TWCC_BADPROTOCOL);
    s.origin = *origin;
    return destination ? toSource(dg, dat, msg, data) : toManager(origin, dat, msg, data);
}

__attribute__((visibility("default"))) void fake_twain_reset() {
    script() = Script();
}

__attribute__((visibility("default"))) void fake_twain_add_source(const char* name) {
    script().sources.emplace_back(name);
}

__attribute__((visibility("default"))) void fake_twain_set(const char* key, long value) {
    script().values[key] = value;
}

__attribute__((visibility("default"))) long fake_twain_value(const char* key) {
    return script().value(key, -1);
}

__attribute__((visibility("default"))) void fake_twain_post(TW_UINT16 message) {
    script().mailbox = message;
}

__attribute__((visibility("default"))) const char* fake_twain_calls() {
    return script().calls.c_str();
}

__attribute__((visibility("default"))) void fake_twain_clear_calls() {
    script().calls.clear();
}

__attribute__((visibility("default"))) const TW_IDENTITY* fake_twain_last_origin() {
    return &script().origin;
}
}
