#ifndef LINKPOLICY_P_H
#define LINKPOLICY_P_H

#include <QString>

// What a tap in a bubble may hand to the platform's default handlers. Message
// texts and attachments come from other people, so only web pages and local
// pictures are opened: a javascript:, file: or custom-scheme link could run
// code or reach private files through its handler.
namespace LinkPolicy {

// Whether the URL is an http or https address with a host.
bool isWebLink(const QString &url);

} // namespace LinkPolicy

#endif // LINKPOLICY_P_H
