#ifndef SOCIALMETATYPES_P_H
#define SOCIALMETATYPES_P_H

// Makes every record, enum and request pointer of the provider known to
// QVariant and to queued and spied signals. Safe to call any number of times.
void registerSocialMetaTypes();

#endif // SOCIALMETATYPES_P_H
