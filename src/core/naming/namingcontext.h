#pragma once

#include <memory>

struct NamingOptions;
namespace NamingMemo {
struct Caches;
}

/**
 * What one load remembers while it names its files: a load names thousands of files after the
 * same few hundred artists and albums, so answers are kept by artist text, by artist
 * candidate and by the tag fields a name is built from. The caller makes one per load and
 * hands it to every naming call of that load; a context serves one NamingOptions value, and
 * forgets everything when handed another. One context belongs to one thread at a time;
 * threads that name files side by side each use their own.
 */
class NamingContext {
  public:
    NamingContext();
    ~NamingContext();
    NamingContext(const NamingContext &) = delete;
    NamingContext &operator=(const NamingContext &) = delete;

    /**
     * For the naming rules: the caches of names derived with @p options, emptied first when
     * the last call came with another options value.
     */
    NamingMemo::Caches &Memo(const NamingOptions &options);

  private:
    std::unique_ptr<NamingMemo::Caches> m_caches;
    const NamingOptions *m_options = nullptr;
};
