#include "platform/FontPreload.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <set>
#include <tuple>

#ifdef QORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace FontPreload {

namespace {

using TFaceKey = std::tuple<std::string, int, int, int>;

TFaceKey KeyOf(const TFace& face)
{
    std::string family = face.Family;
    std::transform(family.begin(), family.end(), family.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return {family, face.Weight, face.Slant, face.Width};
}

#ifdef QORVANE_HAVE_FONTCONFIG

// Set once a configuration of ours is the process's: a second preload (the tests make one per
// case) reads nothing again and never swaps the configuration Qt is using.
std::atomic<bool> s_installed{false};

std::vector<TFace> ListFaces(FcConfig* config)
{
    std::vector<TFace> faces;
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_WEIGHT, FC_SLANT, FC_WIDTH,
                                            FC_FONTFORMAT, FC_FILE, nullptr);
    FcFontSet* set = all && objects ? FcFontList(config, all, objects) : nullptr;
    if (set) {
        faces.reserve(std::size_t(set->nfont));
        for (int i = 0; i < set->nfont; ++i) {
            const FcPattern* font = set->fonts[i];
            TFace face;
            FcChar8* text = nullptr;
            if (FcPatternGetString(font, FC_FAMILY, 0, &text) == FcResultMatch)
                face.Family = reinterpret_cast<const char*>(text);
            if (FcPatternGetString(font, FC_FONTFORMAT, 0, &text) == FcResultMatch)
                face.Format = reinterpret_cast<const char*>(text);
            if (FcPatternGetString(font, FC_FILE, 0, &text) == FcResultMatch)
                face.File = reinterpret_cast<const char*>(text);
            // A value a file does not give only ever matches another file's missing value.
            face.Weight = face.Slant = face.Width = -1;
            FcPatternGetInteger(font, FC_WEIGHT, 0, &face.Weight);
            FcPatternGetInteger(font, FC_SLANT, 0, &face.Slant);
            FcPatternGetInteger(font, FC_WIDTH, 0, &face.Width);
            faces.push_back(std::move(face));
        }
        FcFontSetDestroy(set);
    }
    if (objects)
        FcObjectSetDestroy(objects);
    if (all)
        FcPatternDestroy(all);
    return faces;
}

std::string XmlText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// The system's configuration with the slow duplicates set aside, or null where it cannot be
// read (Qt then reads the configuration itself, as it would without this).
FcConfig* ReadConfig()
{
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config)
        return nullptr;
    const std::vector<std::string> slow = SlowDuplicates(ListFaces(config));
    if (slow.empty())
        return config;
    std::string rules = "<?xml version=\"1.0\"?>\n<fontconfig><selectfont><rejectfont>";
    for (const std::string& file : slow)
        rules += "<pattern><patelt name=\"file\"><string>" + XmlText(file) + "</string></patelt></pattern>";
    rules += "</rejectfont></selectfont></fontconfig>\n";
    // The fonts are listed again from the caches already read, now without the set-aside files.
    if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(rules.c_str()),
                                       FcFalse) &&
        FcConfigBuildFonts(config))
        return config;
    FcConfigDestroy(config);
    return nullptr;
}

#endif

} // namespace

std::vector<std::string> SlowDuplicates(const std::vector<TFace>& faces)
{
    std::set<TFaceKey> quick;
    for (const TFace& face : faces) {
        if (face.Format == "CFF" || face.Format == "TrueType")
            quick.insert(KeyOf(face));
    }
    std::set<std::string> slow;
    for (const TFace& face : faces) {
        if (face.Format == "Type 1" && !face.File.empty() && quick.count(KeyOf(face)))
            slow.insert(face.File);
    }
    return {slow.begin(), slow.end()};
}

std::vector<TFace> OfferedFaces()
{
#ifdef QORVANE_HAVE_FONTCONFIG
    return ListFaces(nullptr);
#else
    return {};
#endif
}

TPreload::TPreload()
{
#ifdef QORVANE_HAVE_FONTCONFIG
    m_thread = std::thread([this] {
        // fontconfig keeps one current configuration per process; the main thread makes this
        // one current (ApplicationReady), and Qt's FcInit() then finds it.
        FcConfig* config = s_installed ? nullptr : ReadConfig();
        if (!config)
            FcInit();
        {
            const std::lock_guard lock(m_mutex);
            m_config = config;
            m_configRead = true;
        }
        m_changed.notify_all();
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_state != TState::Waiting; });
        if (m_state == TState::Cancelled)
            return;
        lock.unlock();
        // Listing the families fills the database, and nothing more: no font is opened here.
        QFontDatabase::families();
    });
#else
    m_configRead = true;
#endif
}

TPreload::~TPreload()
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_state == TState::Waiting)
            m_state = TState::Cancelled;
    }
    m_changed.notify_all();
    Wait();
#ifdef QORVANE_HAVE_FONTCONFIG
    if (m_config)
        FcConfigDestroy(static_cast<FcConfig*>(m_config));
#endif
}

void TPreload::ApplicationReady()
{
    void* config = nullptr;
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_configRead; });
        std::swap(config, m_config);
    }
#ifdef QORVANE_HAVE_FONTCONFIG
    // Here no other thread uses fontconfig: the preload waits below, and Qt has asked for no font
    // yet. A current configuration lives as long as the process (older fontconfig versions take
    // no reference of their own, so ours is kept).
    if (config && (s_installed.exchange(true) || !FcConfigSetCurrent(static_cast<FcConfig*>(config))))
        FcConfigDestroy(static_cast<FcConfig*>(config));
#endif
    {
        const std::lock_guard lock(m_mutex);
        if (m_state == TState::Waiting)
            m_state = TState::Ready;
    }
    m_changed.notify_all();
}

void TPreload::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace FontPreload
