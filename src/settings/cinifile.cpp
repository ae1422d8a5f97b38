#include "settings/cinifile.h"

#include "platform/automation/conversions.h"
#include "platform/profile/profile_string.h"
#include "platform/ui/form_position.h"

namespace tvx {
namespace {

constexpr std::uint32_t kValueBufferSize = 255;
constexpr std::uint32_t kListBufferSize = 8192;

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

// The keys of the file's current section, each read or written by making it the current key.
class CurrentSectionKeys : public ui::FormPositionKeys {
public:
    explicit CurrentSectionKeys(cInifile& ini) : ini_(ini) {}
    QString read(const QString& key) override {
        ini_.setKey(key);
        return ini_.Value();
    }
    void write(const QString& key, const QString& text) override {
        ini_.setKey(key);
        QString value = text;
        ini_.setValue(value);
    }

private:
    cInifile& ini_;
};

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

void cInifile::DeleteKey() { m_lLastReturnCode = WritePrivateProfileStringA(m_sSection, m_sKey, NoString, m_sPath); }

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
        CurrentSectionKeys keys(*this);
        ui::saveFormPosition(frmThis, keys);
    } catch (...) {
        m_lLastReturnCode = 0;
    }
    m_sKey = sKey;
}

void cInifile::LoadFormPosition(ui::WindowPlacement& frmThis, std::int32_t lMinWidth, std::int32_t lMinHeight) {
    const QString sKey = m_sKey;
    const QString sDefault = m_sDefault;
    try {
        m_sDefault = QStringLiteral("FAIL");
        CurrentSectionKeys keys(*this);
        ui::loadFormPosition(frmThis, keys, lMinWidth, lMinHeight);
    } catch (...) {
        m_lLastReturnCode = 0;
    }
    m_sKey = sKey;
    m_sDefault = sDefault;
}

std::int32_t cInifile::CLngDefault(const QString& sString, std::int32_t lDefault) { return CLngOr(sString, lDefault); }

QString cInifile::readList(bool allSections) const {
    QString buffer;
    const ProfileArg section = allSections ? ProfileArg() : ProfileArg(m_sSection);
    const auto n = GetPrivateProfileStringA(section, NoString, m_sDefault, buffer, kListBufferSize, m_sPath);
    return buffer.left(n);
}

}  // namespace tvx
