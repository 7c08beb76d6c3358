#include "storage/scramble.h"

#include <chrono>
#include <cstring>

namespace zuvo {
namespace {

constexpr std::array<std::int16_t, kShiftCount> kShiftTable = {
    28668, -8732, -8555, 32409, 16821, -26153, -271, -14855, -21583, -19530, -20441, -23292, -24023, 1977, -9213, 23237, -17288, -15717, -25700, -32188, -32596, 3871, -2016, -28744, -32546, -25059, -32397, 20094, -26839, 16597};

// Each alphabet is written as two literals of 127 characters.
constexpr std::array<std::string_view, kAlphabetCount> kAlphabetTable = {
    "QEUEwJ4R1_(5`-lS.uJD&y-[s=_GPclyU#BdGlQHa!,HM'imHg5Zbv(\"G%MK'yZ%AOJnjn)_#)7z&dy&]1=-$o\\Qu~LUt]Rjo]UcjLf>$yPaW%9Hy}[9q?1?DirUYqr"
    "n?'Lz!Qp[}flTqlk`F-X,^$2hnc!8]((L+pOnv5+{.0+#~J4l+u$}{}@s<!V-(i^uQ-yAb(G4vNm]y^[\"s3?hVE,`4us#=tc<aAT4'?Yax=nv82^{$RJYo+v`0Z%lD)",
    "4cIzF`d{f;2;3=B'Y22o{ZI%85$RD$TcB%H.*KF'{\\gC<?y_F08_KxswU{jwbMH&i#ix1)]~h]<n29lC;)SQ9~`T,Hs!)!{OT2o.,{[}OAHcI$eBvP._ZQaTvU_$&)="
    "g>aay#}FY~OKlF1aiCp{G_N_ya=tWFEd7{<Kq^9?wb7!sA<NHNaJsP}N5a8i[{%w$$IsaJ.X>0=1\"C<frw3By2}r<0xJPN99SN&3$Qh@&SjtSF)i}UXip~)6PXB%(Mw",
    "!4]ot(D[!'c320#8}r<yz{$&q%lp4-VzMJl.5s@qxr5hxb\\C_iSz+@v_\"Z)[U~_ASqF9U}x\\iuf_LV16Ku2b7E7,2A)4i#j@C5gMpG}!g.uDHtu.~9Iv8(r?K)~#}jT"
    "ecx=&4?YgRQ*0ePYiUv]dn!d)-wuE%%)hytjAdE0nA$9Oiv5{Q9qPz?e~7-Sw)>fJ6Cz}ry8H;s%u$l`#}?AJbFb<L#*oX#<Rs>C&XWN-@JuCAKm&s~4*LlW*mdVj_N",
    "?1,TTL=13QrzX=yC{Py_uN@Ql\"*GU;^Y`Oh0{t0Giv@C4%<Ha!Q`S]$w6UN49[!\\lxL&Pnv0[Y9VS9_h,\"_.OF#3FF7$?u6(AF@RY!\"#2'4<\\_I>k*CGj`'o(pFm%##"
    "2@pz\\h8@qa*af,trC^IZ02T<F+ofmqvO6+91c@<QPdq(,jx3!;,mFI=0Hehv-SiNZYPAH`qymq^`UgK&PLwS5Xu2m7j2qH&%$}qk(mXdI9%r5wN7g4,9Q8pVna9reF?",
    "T.9g\"X+jVRvQS[FNL_$Hf]P^$XLe]dm0`SS$UVS0rT&FV^ALJr![p{M%}Yh[P_{c1TUZ(bFX(\"NP&HHz\\56Fj#QQO(6p[@*1rh}zv#pSYF7=nQVJXPk~wFmW[V$0.V>"
    "}5=bwuC+),At.kdRu$A'_K!i'kzwiZF`oyQI'$rW}+EEgs.e4]^)ZhqM@KH2s#,3r8USC4BYN%*Rj+m\">2>CP&k[1Loe6W,D(;A>yF`Qu[NmQ[)?uq0eb}y&A<dy5Xj",
    "v%!8[D\\Fc&,;Skz>R5_DmbIVZYF<N?[c\\Z$ivX^[>NfrDprZDz;(?IN$XDEr^dx>tFfXj;L0!ldP(7AU\"jULy(0ct,\"W(9S='pP**j,[n7_MvupgL?DMm#{i8W!WSiK"
    "9dkaz{3bF6]*#FmWS(J7S~Cu5]D2@Ptam*`drSA5%ta80H>?r~G*8#8).Vg`p}q4i8H~Asln\"S+~+i1%S<k^M?g9yu_c6KW~8208lu0<Q<a3f*=(4{[.\"*.6gM[r^S(",
    "[WL6mUl\\?O\"M*W_htI6LNgS'62z(zC>3ujnYGx1sDK#\\>7CVwM1II9G}=Uj]?FmJiIQ6DaaIHia@jP8V+E*tN-}h1L)(<Zw%6c'&b@P~!gEi(ZveW_.R06-D!j$4g$4"
    "WLCdKDO%T[8t&~=mOK}ct'3Y2lj{}+_S6%hQ5c#9y[O=HRV+OQ)M@;6'wH*Xrq-zjta]NIV!Uy}GudG`bkBGf9<.2`Da\\T$LfR+o)o]\\!.hS#Z~HgX0I>M6ZOk@a7g7",
    "cRAOtP#A-.8!M^d<M7Xt`-h44~ap};xag4eQ4p]!wyQCUl$Poi1}^VfweTD`.72WQZwAY\\)*(Dx$U#N8OrTY?vlNqYMipD(+2R)<#Ja5l}4W{J4g4Q'4+v;)ZF-wy?E"
    "tNPi@#LQjgAKpgKKPQA?*Ma'akOMTnsg7'n4Fy~UtxFUb_z#2E8wbESAs5zjwJA1Nw*%qT'gv-~0ARj[AdwVuh+WgkE(kfy<2O>epTWhl@qWkY\",[om.@q#orGoGPpK",
    ";-N1ahpND;6w9P=5k_6<oDX[waMJ<,TH=?DmpSx3WmdI\"!j;}X\"`?YKo,\\i=5)qdw_VRMtoe\"uzvccA!Y%[=6EIiJYE^A,XM#u[Ji{~K=-5bU*NA*;=L}W$.1G..FHO"
    "It?2^_7C%ub)9?M@{wbb#CzJ~K?ED!KIRr9.fY0}==G4u]Vt]2R}fadvfq_F35k?[rVnuBxA')s^D&WcP\\@`e[S<@bkWp.`DEJ!=&4Q<S[+kBB.F'~,!Gz_Y!z}22Tk",
    "{\\#fn3>Cu8xU&8z0Ic.t0O=Un+mnc)o(4Cq\"v\\85oQ>!7ze,b*'8O0?3~nFIAsx4{_MiheCj_G8,<v4~p[-2B!g5twZ<BgYw'=Ms]xQ)MCw(Rh&}\"Fps~pGa#184\\(~"
    "[h]@`qum5LR&4&*<E\\VV%@<2^T`us9{?9&I2ZubqOc=MZj?U3-M0#+a-cd+NrQen*+U4Hd`,.#Kb<*_KNNJXXey}f->OHTE5{e*1vF,#C{3;x3Lmjc{MW<@Onq8[Ql7",
    "JA<g)Efjb153\\~^AHGx$dueQ6WI-]6'@,IFKh=3lXGFdr)Fpgh2}q+rB##_riC2^9yw7iUCrZ;wRNq=_wz>S`yw\\{1?CHiR\\M0_]l8dG(f[jAQT9u\\K!YR}4R&\\ycqJ"
    "jy2M#8~_gbhhuYm4xHX1<vR(I}Q'g$YPrH){>OOhB~zw%}`b'6ZFUNf#SrvP2uy}WycAiRtpL=DfJO3X,~0O\\[B7QM%8+d(31Kb~Z[XF5}zpM)809{gdU+d2Ps@_[JY",
    "<t+M_u1ini_6ju70~EIu9qVOET%[Z!~>Kj.x*G3}[kV'K[F~'tJmy7WT1\\wu927O\\@ESn#&oM(W)rQyb)7x;_l7%\\=~sYdVJ7hX'4NAP*,LbS[~It!(I40In66PPklx"
    "NNv\\,[Ljm.6Q_Zf%\\'8bd7yc;kW%lD\"yz#0P4?yjr_YYK~QV3~f!PRP?iewky&~gllXq(M]fx%W<bDHQ5O?[==z[Bzt=>z=C`EN_>oR4E\\*hx#5{`&84$`b3LW(]aFH",
    "`b{)jJ(QaX~eP}x`o!Tzb!yhyM]jBxrAx6Iwg5\"eku+zP)!$^t)0a39RJ~1}W2V72jlEa~huA}*;)7=94\"^5\\@3I\"D#ZG!sb<FG=KtQ9P?=u4lgF{~2z(AbG7#t9.D?"
    "k%ImPxLa'@QJ5n[X0W<td}g5{`GQPJBMyd@oG!Ivf<]%UN7wQ6M0sD~xX5f0naw-$\\jGT`V?t{.h.<+V4pvfTigPgnE=R1t&#a$j(KVbErW]oIaMoOStL?{YM>V.^3U",
};

constexpr std::string_view kSelectorTable = "3Nt$\"#v^RJ+Kl";

constexpr bool IsTableCharacter(char c) {
  return c >= 33 && c <= 126 && c != '/' && c != '|' && c != ':';
}

constexpr bool AlphabetsWellFormed() {
  for (std::string_view a : kAlphabetTable) {
    if (a.size() != kAlphabetLength) return false;
    for (char c : a)
      if (!IsTableCharacter(c)) return false;
    std::array<bool, 94 * 94> seen{};
    for (std::size_t d = 0; d < 127; ++d) {
      const std::size_t code = static_cast<std::size_t>(a[2 * d] - 33) * 94 + static_cast<std::size_t>(a[2 * d + 1] - 33);
      if (seen[code]) return false;
      seen[code] = true;
    }
  }
  return true;
}

constexpr bool SelectorsWellFormed() {
  if (kSelectorTable.size() != kAlphabetCount) return false;
  for (std::size_t i = 0; i < kSelectorTable.size(); ++i) {
    if (!IsTableCharacter(kSelectorTable[i])) return false;
    for (std::size_t j = i + 1; j < kSelectorTable.size(); ++j)
      if (kSelectorTable[i] == kSelectorTable[j]) return false;
  }
  return true;
}

static_assert(AlphabetsWellFormed(), "alphabets: 254 characters, allowed characters, 127 distinct codes");
static_assert(SelectorsWellFormed(), "selectors: 13 distinct allowed characters");

constexpr int kCharRange = 94;  // characters 33..126
constexpr unsigned char kNoDigit = 0xFF;

// Reverse tables: selector byte -> alphabet, and per alphabet the digit of
// every two-character code, so decoding is one lookup per digit.
struct DecodeTables {
  signed char alphabet_of[256];
  unsigned char digit[kAlphabetCount][kCharRange * kCharRange];

  DecodeTables() {
    std::memset(alphabet_of, -1, sizeof alphabet_of);
    std::memset(digit, kNoDigit, sizeof digit);
    for (std::size_t k = 0; k < kAlphabetCount; ++k) {
      alphabet_of[static_cast<unsigned char>(kSelectorTable[k])] = static_cast<signed char>(k);
      for (int d = 0; d < kDigitBase; ++d) {
        const int hi = kAlphabetTable[k][2 * d] - 33, lo = kAlphabetTable[k][2 * d + 1] - 33;
        digit[k][hi * kCharRange + lo] = static_cast<unsigned char>(d);
      }
    }
  }
};

const DecodeTables& Tables() {
  static const DecodeTables tables;
  return tables;
}

inline int Digit(const DecodeTables& t, int alphabet, char first, char second) {
  if (alphabet < 0) return 0;
  const int hi = static_cast<unsigned char>(first) - 33, lo = static_cast<unsigned char>(second) - 33;
  if (hi < 0 || hi >= kCharRange || lo < 0 || lo >= kCharRange) return 0;
  const unsigned char d = t.digit[alphabet][hi * kCharRange + lo];
  return d == kNoDigit ? 0 : d;
}

}  // namespace

const std::array<std::int16_t, kShiftCount> kScrambleShifts = kShiftTable;
const std::array<std::string_view, kAlphabetCount> kScrambleAlphabets = kAlphabetTable;
const std::string_view kAlphabetSelectors = kSelectorTable;

std::mt19937& ScrambleGenerator() {
  thread_local std::mt19937 generator = [] {
    std::random_device device;
    const auto ticks = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seed{device(), device(), static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32)};
    return std::mt19937(seed);
  }();
  return generator;
}

void AppendScrambled(std::string& out, std::u16string_view text, std::mt19937& generator) {
  std::uniform_int_distribution<int> pick(0, static_cast<int>(kAlphabetCount) - 1);
  out.reserve(out.size() + text.size() * 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t position = i + 1;
    const unsigned v = (static_cast<unsigned>(text[i]) +
                        static_cast<unsigned>(static_cast<int>(kShiftTable[position % kShiftCount]) + 65536)) &
                       0xFFFFu;
    const int k = pick(generator);
    const std::string_view alphabet = kAlphabetTable[k];
    out.push_back('/');
    out.push_back(kSelectorTable[k]);
    unsigned digits[3];
    int n = 0;
    for (unsigned rest = v; rest != 0; rest /= kDigitBase) digits[n++] = rest % kDigitBase;
    while (n > 0) {
      const unsigned d = digits[--n];
      out.push_back(alphabet[2 * d]);
      out.push_back(alphabet[2 * d + 1]);
    }
  }
}

std::string ScrambleText(std::u16string_view text, std::mt19937& generator) {
  std::string out;
  AppendScrambled(out, text, generator);
  return out;
}

std::string ScrambleText(std::u16string_view text) { return ScrambleText(text, ScrambleGenerator()); }

std::u16string UnscrambleText(std::string_view s, std::size_t max_chars) {
  std::u16string out;
  const DecodeTables& t = Tables();
  std::size_t pos = s.find('/');
  while (pos != std::string_view::npos && out.size() < max_chars) {
    const std::size_t next = s.find('/', pos + 1);
    const std::size_t end = next == std::string_view::npos ? s.size() : next;
    const int alphabet =
        pos + 1 < s.size() ? t.alphabet_of[static_cast<unsigned char>(s[pos + 1])] : -1;
    unsigned v = 0;
    for (std::size_t i = pos + 2; i + 1 < end; i += 2)
      v = (v * kDigitBase + static_cast<unsigned>(Digit(t, alphabet, s[i], s[i + 1]))) & 0xFFFFu;
    const std::size_t position = out.size() + 1;
    const int shift = kShiftTable[position % kShiftCount];
    out.push_back(static_cast<char16_t>((v - static_cast<unsigned>(shift + 65536)) & 0xFFFFu));
    pos = next;
  }
  return out;
}

int DecodeDigit(std::string_view code, char selector) {
  if (code.size() != 2) return 0;
  const DecodeTables& t = Tables();
  return Digit(t, t.alphabet_of[static_cast<unsigned char>(selector)], code[0], code[1]);
}

}  // namespace zuvo
