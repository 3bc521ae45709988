#pragma once

#include <QLatin1StringView>
#include <QString>

#include <array>

/** One entry of the quick filter list: its caption and its comma list of extensions. */
struct FilterPreset {
    QLatin1StringView name;
    QLatin1StringView filter;
};

inline constexpr int FilterPresetCount = 13;
/** Position of "Default", the entry the list shows when the Options window opens. */
inline constexpr int DefaultPresetIndex = 1;

/** The thirteen quick filter settings in list order. */
const std::array<FilterPreset, FilterPresetCount> &FilterPresets();

/**
 * Applies quick filter choices to the filter text, remembering the last preset applied so
 * that choosing the same entry again changes nothing.
 */
class FilterPresetChooser {
  public:
    /**
     * The user chose entry @p index while the filter field held @p text. Returns true when
     * the choice counts as a change; @p text then holds the preset's filter.
     */
    bool Choose(int index, QString &text);
    /** Forgets the last preset (the window opens with none applied). */
    void Reset() { m_lastPreset = -1; }
    int LastPreset() const { return m_lastPreset; }

  private:
    int m_lastPreset = -1;
};
