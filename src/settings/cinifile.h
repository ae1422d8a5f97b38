#pragma once
// A small object over the profile-string functions: one file, a current section
// and key, and the default a missing key reads as.
#include "platform/ui/window_placement.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace tvx {

class cInifile {
public:
    // Result of the last write or delete (non-zero: it succeeded).
    std::int32_t LastReturnCode() const;
    bool Success() const;

    void setDefault(const QString& sDefault);
    QString Default() const;
    void setPath(const QString& sPath);
    QString Path() const;
    void setKey(const QString& sKey);
    QString Key() const;
    void setSection(const QString& sSection);
    QString Section() const;

    // The current key's value, at most 254 characters (the default when missing).
    QString Value() const;
    // Writes the current key. NUL characters are removed from the value first,
    // in the caller's variable too.
    void setValue(QString& sValue);

    void DeleteKey();
    void DeleteSection();

    // The key names of the current section, each followed by a NUL.
    QString INISection() const;
    // Writes a text with no key name, which removes the current section.
    void setINISection(const QString& sSection);
    // The section names of the file, each followed by a NUL.
    QString Sections() const;

    // Arrays are 1-based as the platform's: slot 0 is unused and left empty, so
    // after the call the array holds iCount + 1 elements.
    void EnumerateCurrentSection(std::vector<QString>& sKey, std::int32_t& iCount) const;
    void EnumerateAllSections(std::vector<QString>& sSections, std::int32_t& iCount) const;

    // Keys "Maximised", "Left", "Top", "Width", "Height" of the current section.
    void SaveFormPosition(const ui::WindowPlacement& frmThis);
    void LoadFormPosition(ui::WindowPlacement& frmThis, std::int32_t lMinWidth = 3000, std::int32_t lMinHeight = 3000);

    // The text as a 32-bit integer, or lDefault when it is not one.
    static std::int32_t CLngDefault(const QString& sString, std::int32_t lDefault = 0);

private:
    QString readList(bool allSections) const;

    QString m_sPath;
    QString m_sKey;
    QString m_sSection;
    QString m_sDefault;
    std::int32_t m_lLastReturnCode = 0;
};

}  // namespace tvx
