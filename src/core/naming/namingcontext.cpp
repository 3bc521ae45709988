#include "naming/namingcontext.h"

#include "naming/namingmemo.h"

NamingContext::NamingContext() : m_caches(std::make_unique<NamingMemo::Caches>()) {}

NamingContext::~NamingContext() = default;

NamingMemo::Caches &NamingContext::Memo(const NamingOptions &options) {
    if (m_options != &options) {
        *m_caches = NamingMemo::Caches();
        m_options = &options;
    }
    return *m_caches;
}
