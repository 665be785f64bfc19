#include "Scenes.h"

namespace {

using Sky = Scene::Sky;
using Cloud = Scene::Cloud;

Scene make(const char* caption, Sky sky, bool behind, Cloud cloud)
{
    Scene s;
    s.caption = QString::fromUtf8(caption);
    s.sky = sky;
    s.skyBehindCloud = behind;
    s.cloud = cloud;
    return s;
}

Scene cloudy(const char* caption, Cloud cloud = Cloud::Large)
{
    return make(caption, Sky::None, false, cloud);
}

Scene sunAndCloud(const char* caption, Cloud cloud = Cloud::Large)
{
    return make(caption, Sky::Sun, true, cloud);
}

Scene moonAndCloud(const char* caption, Cloud cloud = Cloud::Large)
{
    return make(caption, Sky::Moon, true, cloud);
}

} // namespace

Scene SceneForCode(int code)
{
    Scene s;
    switch (code) {
    case 0:
        s = cloudy("tornade", Cloud::Dark);
        s.tornado = true;
        break;
    case 1:
        s = cloudy("temp\u00eate tropicale", Cloud::None);
        s.hurricane = true;
        s.rain = 4;
        break;
    case 2:
        s = cloudy("ouragan", Cloud::None);
        s.hurricane = true;
        break;
    case 3:
        s = cloudy("orages violents", Cloud::Dark);
        s.bolts = 2;
        s.rain = 4;
        break;
    case 4:
        s = cloudy("orages", Cloud::Dark);
        s.bolts = 1;
        s.rain = 3;
        break;
    case 5:
        s = cloudy("pluie et neige");
        s.rain = 3;
        s.snow = 2;
        break;
    case 6:
        s = cloudy("pluie et gr\u00e9sil");
        s.rain = 3;
        s.pellets = 3;
        break;
    case 7:
        s = cloudy("neige et gr\u00e9sil");
        s.snow = 2;
        s.pellets = 3;
        break;
    case 8:
        s = cloudy("bruine vergla\u00e7ante");
        s.drizzle = 5;
        s.pellets = 2;
        break;
    case 9:
        s = cloudy("bruine");
        s.drizzle = 7;
        break;
    case 10:
        s = cloudy("pluie vergla\u00e7ante");
        s.rain = 3;
        s.pellets = 2;
        break;
    case 11:
        s = cloudy("averses");
        s.rain = 4;
        break;
    case 12:
        s = cloudy("fortes averses", Cloud::Dark);
        s.rain = 7;
        break;
    case 13:
        s = cloudy("quelques flocons");
        s.snow = 2;
        break;
    case 14:
        s = cloudy("averses de neige faibles");
        s.snow = 3;
        break;
    case 15:
        s = cloudy("poudrerie");
        s.snow = 3;
        s.wind = true;
        break;
    case 16:
        s = cloudy("neige");
        s.snow = 5;
        break;
    case 17:
        s = cloudy("gr\u00eale", Cloud::Dark);
        s.hail = 5;
        break;
    case 18:
        s = cloudy("gr\u00e9sil");
        s.pellets = 6;
        break;
    case 19:
        s = make("poussi\u00e8re", Sky::Sun, false, Cloud::None);
        s.dust = true;
        break;
    case 20:
        s = cloudy("brouillard");
        s.fog = true;
        break;
    case 21:
        s = make("brume", Sky::Sun, false, Cloud::None);
        s.haze = true;
        break;
    case 22:
        s = cloudy("fum\u00e9e", Cloud::None);
        s.smoke = true;
        break;
    case 23:
        s = cloudy("bourrasques", Cloud::Small);
        s.wind = true;
        break;
    case 24:
        s = cloudy("venteux", Cloud::None);
        s.wind = true;
        break;
    case 25:
        s = cloudy("froid", Cloud::None);
        s.thermometer = -1;
        s.snow = 1;
        break;
    case 26:
        s = cloudy("nuageux", Cloud::Double);
        break;
    case 27:
        s = moonAndCloud("tr\u00e8s nuageux (nuit)", Cloud::Double);
        break;
    case 28:
        s = sunAndCloud("tr\u00e8s nuageux (jour)", Cloud::Double);
        break;
    case 29:
        s = moonAndCloud("partiellement nuageux (nuit)", Cloud::Small);
        break;
    case 30:
        s = sunAndCloud("partiellement nuageux (jour)", Cloud::Small);
        break;
    case 31:
        s = make("d\u00e9gag\u00e9 (nuit)", Sky::Moon, false, Cloud::None);
        s.stars = true;
        break;
    case 32:
        s = make("ensoleill\u00e9", Sky::Sun, false, Cloud::None);
        break;
    case 33:
        s = make("beau (nuit)", Sky::Moon, false, Cloud::None);
        s.wisp = true;
        break;
    case 34:
        s = make("beau (jour)", Sky::Sun, false, Cloud::None);
        s.wisp = true;
        break;
    case 35:
        s = cloudy("pluie et gr\u00eale");
        s.rain = 3;
        s.hail = 2;
        break;
    case 36:
        s = make("chaud", Sky::Sun, true, Cloud::None);
        s.thermometer = 1;
        break;
    case 37:
        s = sunAndCloud("orages isol\u00e9s");
        s.bolts = 1;
        break;
    case 38:
        s = sunAndCloud("orages \u00e9pars", Cloud::Dark);
        s.bolts = 1;
        s.rain = 2;
        break;
    case 39:
        s = sunAndCloud("averses \u00e9parses");
        s.rain = 3;
        break;
    case 40:
        s = cloudy("fortes pluies", Cloud::Dark);
        s.rain = 8;
        break;
    case 41:
        s = sunAndCloud("averses de neige \u00e9parses");
        s.snow = 3;
        break;
    case 42:
        s = cloudy("averses de neige");
        s.snow = 4;
        break;
    case 43:
        s = cloudy("fortes chutes de neige", Cloud::Dark);
        s.snow = 7;
        break;
    case 44:
        s = sunAndCloud("partiellement nuageux", Cloud::Small);
        break;
    case 45:
        s = moonAndCloud("averses (nuit)");
        s.rain = 3;
        break;
    case 46:
        s = moonAndCloud("neige (nuit)");
        s.snow = 3;
        break;
    case 47:
        s = moonAndCloud("orages (nuit)");
        s.bolts = 1;
        s.rain = 2;
        break;
    default:
        break;
    }
    return s;
}
