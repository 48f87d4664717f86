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

// The faces of a font set, read where they stand (fontconfig's own sets are not to be changed).
std::vector<TFace> FacesOf(const FcFontSet* set)
{
    std::vector<TFace> faces;
    if (!set)
        return faces;
    faces.reserve(std::size_t(set->nfont));
    for (int i = 0; i < set->nfont; ++i) {
        FcPattern* font = set->fonts[i];
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
    const std::vector<std::string> globs = SetAsideGlobs(FacesOf(FcConfigGetFonts(config, FcSetSystem)));
    if (globs.empty())
        return config;
    std::string rules = "<?xml version=\"1.0\"?>\n<fontconfig><selectfont><rejectfont>";
    for (const std::string& glob : globs)
        rules += "<glob>" + XmlText(glob) + "</glob>";
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

std::vector<std::string> SetAsideGlobs(const std::vector<TFace>& faces)
{
    const std::vector<std::string> slowFiles = SlowDuplicates(faces);
    const std::set<std::string> slow(slowFiles.begin(), slowFiles.end());
    const auto wild = [](const std::string& path) { return path.find_first_of("*?") != std::string::npos; };
    std::set<std::string> globs;
    for (const std::string& file : slowFiles) {
        if (wild(file))
            continue;   // as a pattern it would name other files too
        const std::size_t cut = file.rfind('/');
        const std::string folder = cut == std::string::npos ? std::string() : file.substr(0, cut + 1);
        const bool allSlow = !folder.empty() && folder != "/" && !wild(folder) &&
                             std::all_of(faces.begin(), faces.end(), [&](const TFace& face) {
                                 return face.File.compare(0, folder.size(), folder) != 0 ||
                                        slow.count(face.File);
                             });
        globs.insert(allSlow ? folder + "*" : file);
    }
    return {globs.begin(), globs.end()};
}

std::vector<TFace> OfferedFaces()
{
#ifdef QORVANE_HAVE_FONTCONFIG
    return FacesOf(FcConfigGetFonts(nullptr, FcSetSystem));
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
