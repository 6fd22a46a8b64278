#include "platform/core/Persistent.h"

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& destination) const
{
    (void)destination;
    throw EConvertError(QStringLiteral("Cannot assign an object of this kind to that one"));
}
