#include "astro/sky_point.h"

#include "framework/archive.h"

void SkyPoint::Serialize(CArchive& ar) {
    ar.Exchange(a);
    ar.Exchange(b);
    ar.Exchange(x);
    ar.Exchange(y);
    ar.Exchange(z);
    ar.Exchange(X);
    ar.Exchange(Y);
    ar.Exchange(Z);
}
