#include "tamovid/vargas/varga_body.h"

namespace tamovid {

VargaBody VargaBodyOf(std::string_view name, std::string_view label, double longitude,
                      bool retrograde) {
    return {name, label, longitude, retrograde, AllVargaSigns(longitude)};
}

}  // namespace tamovid
