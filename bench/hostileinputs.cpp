#include "hostileinputs.h"

namespace {

struct Pattern
{
    const char *name;
    const char *prefix;
    const char *unit;
};

const Pattern s_patterns[] = {
    {"labels", "", "a."},
    {"long label run", "", "abcdefgh-_."},
    {"dots", "x", "."},
    {"link characters", "http://a.b/", "?%=&/_.:#;-"},
    {"nested schemes", "", "http://"},
    {"scheme look-alikes", "", "https:/http:/"},
    {"domain look-alikes", "", "a.com"},
    {"top-level names", "", "www.aero.arpa.asia.biz."},
    {"labels without a domain", "", "a1.b2.c3.d4."},
    {"words and links", "", " www.a.b "},
    {"digits", "", "1.2.3."},
    {"escaped markup", "", "&lt;a href=&quot;x.y.z&quot;&gt;"},
    {"no spaces, many links", "", "www.example.com/"},
    {"labels before a space", "", "a.b.c.d.e.f.g.h.i.j.k.l.m.n.o.p.q.r.s.t "},
};

} // namespace

namespace HostileInputs {

int count()
{
    return int(sizeof(s_patterns) / sizeof(s_patterns[0]));
}

QString name(int index)
{
    return QLatin1String(s_patterns[index].name);
}

QString make(int index, int bytes)
{
    const Pattern &pattern = s_patterns[index];
    QString text = QLatin1String(pattern.prefix);
    const QLatin1String unit(pattern.unit);
    while (text.size() < bytes)
        text += unit;
    text.truncate(bytes);
    return text;
}

} // namespace HostileInputs
