#include "settings/cinifile.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "platform/profile/profile_string.h"

#include <algorithm>
#include <limits>

namespace tvx {
namespace {

constexpr std::uint32_t kValueBufferSize = 255;
constexpr std::uint32_t kListBufferSize = 8192;
constexpr std::int64_t kScreenMarginPixels = 4;

// Fills a 1-based array with the NUL-ended texts of `list`; a text after the
// last NUL (a name cut short) is left out.
void fillFromList(const QString& list, bool skipEmpty, std::vector<QString>& items, std::int32_t& count) {
    items.assign(1, QString());
    count = 0;
    qsizetype from = 0;
    for (qsizetype nul = list.indexOf(QChar(u'\0')); nul >= 0; nul = list.indexOf(QChar(u'\0'), from)) {
        const QString item = list.mid(from, nul - from);
        from = nul + 1;
        if (skipEmpty && item.isEmpty()) continue;
        items.push_back(item);
        ++count;
    }
}

// Keeps [pos, pos + size] at least `margin` inside [0, screen]: by moving
// first, then by shrinking.
void keepInside(std::int64_t& pos, std::int64_t& size, std::int64_t screen, std::int64_t margin) {
    pos = std::max(pos, margin);
    if (pos + size <= screen - margin) return;
    pos = std::max(screen - margin - size, margin);
    if (pos + size > screen - margin) size = screen - margin - pos;
}

std::int32_t toLong(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t cInifile::LastReturnCode() const { return m_lLastReturnCode; }
bool cInifile::Success() const { return m_lLastReturnCode != 0; }

void cInifile::setDefault(const QString& sDefault) { m_sDefault = sDefault; }
QString cInifile::Default() const { return m_sDefault; }
void cInifile::setPath(const QString& sPath) { m_sPath = sPath; }
QString cInifile::Path() const { return m_sPath; }
void cInifile::setKey(const QString& sKey) { m_sKey = sKey; }
QString cInifile::Key() const { return m_sKey; }
void cInifile::setSection(const QString& sSection) { m_sSection = sSection; }
QString cInifile::Section() const { return m_sSection; }

QString cInifile::Value() const {
    QString buffer;
    const auto n = GetPrivateProfileStringA(m_sSection, m_sKey, m_sDefault, buffer, kValueBufferSize, m_sPath);
    return buffer.left(n);
}

void cInifile::setValue(QString& sValue) {
    sValue.remove(QChar(u'\0'));
    m_lLastReturnCode = WritePrivateProfileStringA(m_sSection, m_sKey, sValue, m_sPath);
}

void cInifile::DeleteKey() {
    m_lLastReturnCode = WritePrivateProfileStringA(m_sSection, m_sKey, NoString, m_sPath);
}

void cInifile::DeleteSection() {
    m_lLastReturnCode = WritePrivateProfileStringA(m_sSection, NoString, NoString, m_sPath);
}

QString cInifile::INISection() const { return readList(false); }

void cInifile::setINISection(const QString& sSection) {
    m_lLastReturnCode = WritePrivateProfileStringA(m_sSection, NoString, sSection, m_sPath);
}

QString cInifile::Sections() const { return readList(true); }

void cInifile::EnumerateCurrentSection(std::vector<QString>& sKey, std::int32_t& iCount) const {
    fillFromList(INISection(), false, sKey, iCount);
}

void cInifile::EnumerateAllSections(std::vector<QString>& sSections, std::int32_t& iCount) const {
    fillFromList(Sections(), true, sSections, iCount);
}

void cInifile::SaveFormPosition(const ui::WindowPlacement& frmThis) {
    const QString sKey = m_sKey;
    try {
        if (!frmThis.isMinimised()) {
            const bool maximised = frmThis.isMaximised();
            writeCurrent(QStringLiteral("Maximised"), maximised ? QStringLiteral("1") : QStringLiteral("0"));
            if (!maximised) {
                writeCurrent(QStringLiteral("Left"), QString::number(frmThis.left()));
                writeCurrent(QStringLiteral("Top"), QString::number(frmThis.top()));
                writeCurrent(QStringLiteral("Width"), QString::number(frmThis.width()));
                writeCurrent(QStringLiteral("Height"), QString::number(frmThis.height()));
            }
        }
    } catch (...) {
        m_lLastReturnCode = 0;
    }
    m_sKey = sKey;
}

void cInifile::LoadFormPosition(ui::WindowPlacement& frmThis, std::int32_t lMinWidth, std::int32_t lMinHeight) {
    const QString sKey = m_sKey;
    const QString sDefault = m_sDefault;
    auto read = [this](const char* key, std::int32_t fallback) {
        m_sKey = QString::fromLatin1(key);
        return CLngDefault(Value(), fallback);
    };
    try {
        m_sDefault = QStringLiteral("FAIL");
        // 64 bits, so stored values near the limits cannot overflow the sums below.
        std::int64_t lLeft = read("Left", frmThis.left());
        std::int64_t lTop = read("Top", frmThis.top());
        std::int64_t lWidth = std::max(read("Width", frmThis.width()), lMinWidth);
        std::int64_t lHeight = std::max(read("Height", frmThis.height()), lMinHeight);
        keepInside(lLeft, lWidth, frmThis.screenWidth(), kScreenMarginPixels * frmThis.twipsPerPixelX());
        keepInside(lTop, lHeight, frmThis.screenHeight(), kScreenMarginPixels * frmThis.twipsPerPixelY());
        if (lWidth >= lMinWidth && lHeight >= lMinHeight) {
            frmThis.move(toLong(lLeft), toLong(lTop), toLong(lWidth), toLong(lHeight));
        }
        if (read("Maximised", 0) != 0) frmThis.maximise();
    } catch (...) {
        m_lLastReturnCode = 0;
    }
    m_sKey = sKey;
    m_sDefault = sDefault;
}

std::int32_t cInifile::CLngDefault(const QString& sString, std::int32_t lDefault) {
    std::int32_t result = lDefault;
    tryIgnoringError([&] { result = CLng(Variant(sString)); });
    return result;
}

QString cInifile::readList(bool allSections) const {
    QString buffer;
    const ProfileArg section = allSections ? ProfileArg() : ProfileArg(m_sSection);
    const auto n = GetPrivateProfileStringA(section, NoString, m_sDefault, buffer, kListBufferSize, m_sPath);
    return buffer.left(n);
}

void cInifile::writeCurrent(const QString& key, const QString& text) {
    m_sKey = key;
    QString value = text;
    setValue(value);
}

}  // namespace tvx
