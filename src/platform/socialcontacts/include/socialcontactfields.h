#ifndef SOCIALCONTACTFIELDS_H
#define SOCIALCONTACTFIELDS_H

// Fields the "social" contacts backend adds to the standard contact details.
namespace SocialContactFields {

// QContactOnlineAccount field holding the social network person id. Kept
// clear of the detail's own fields, of the common fields from FieldContext
// (5000) on, and below FieldMaximumUserVisible so that values() shows it.
constexpr int FieldSocialProviderId = 1000;

} // namespace SocialContactFields

#endif // SOCIALCONTACTFIELDS_H
