#include "printable.h"

namespace {
// C0, DEL and C1: a terminal acts on each of them (C1 CSI starts a sequence like ESC [).
bool IsControl(char16_t c) {
    return c < 0x20 || static_cast<char16_t>(c - 0x7F) <= 0x9F - 0x7F;
}
} // namespace

QString Printable(QStringView name) {
    QString s;
    s.reserve(name.size() + 8);
    for (const QChar ch : name) {
        const char16_t c = ch.unicode();
        if (!IsControl(c))
            s += ch;
        else if (c == u'\t')
            s += QLatin1String("\\t");
        else if (c == u'\n')
            s += QLatin1String("\\n");
        else if (c == 0x1B)
            s += QLatin1String("\\e");
        else
            s += QLatin1String("\\x") + QString::number(c, 16).rightJustified(2, QLatin1Char('0'));
    }
    return s;
}

void AppendPrintable(QString &block, QStringView name) {
    // One sweep without early exit, so the compiler can vectorise it: most names hold no
    // control character and are copied as they are.
    const char16_t *p = reinterpret_cast<const char16_t *>(name.data());
    bool control = false;
    for (qsizetype i = 0; i < name.size(); ++i)
        control |= IsControl(p[i]);
    if (control)
        block += Printable(name);
    else
        block += name;
}
