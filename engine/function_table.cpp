#include "engine/function_table.h"

#include "library/calls.h"

namespace zuvo {
namespace {

constexpr std::size_t kList = kMaxListArguments;

// Count rules of the functions whose argument counts have several messages.
std::u16string_view TwoFormCount(std::u16string_view message, std::size_t n) {
  return n > 2 ? message : std::u16string_view();
}
#define TRIG_RULE(fn, name)                                                           \
  std::u16string_view fn(std::size_t n) {                                             \
    return TwoFormCount(u"" name u"(x1,x2)的输入参数太多了，只需要两个输入参数！", n); \
  }
TRIG_RULE(SineCount, "正弦")
TRIG_RULE(CosineCount, "余弦")
TRIG_RULE(TangentCount, "正切")
TRIG_RULE(CotangentCount, "余切")
TRIG_RULE(SecantCount, "正割")
TRIG_RULE(CosecantCount, "余割")
TRIG_RULE(SinhCount, "双曲正弦")
TRIG_RULE(CoshCount, "双曲余弦")
TRIG_RULE(TanhCount, "双曲正切")
TRIG_RULE(CothCount, "双曲余切")
TRIG_RULE(SechCount, "双曲正割")
TRIG_RULE(CschCount, "双曲余割")
#undef TRIG_RULE

std::u16string_view QuadraticCount(std::size_t n) {
  if (n == 2) return u"一元二次方程根({...})需要正好一个参数，现在的参数太多了！";
  if (n >= 4) return u"一元二次方程根(系数1,系数2，常数)需要正好一个参数，现在的参数太多了！";
  return {};
}

std::u16string_view RandomCount(std::size_t n) {
  if (n >= 6) return u"随机数(长,宽,最小数,最大数,整数或实数)必须有5个参数，现在的参数数量太多了！";
  if (n == 4) return u"随机数(长,宽,整数或实数)必须有3个参数，现在的参数数量太多了！";
  if (n == 2) return u"随机数(整数或实数)必须有1个参数，现在的参数数量太多了！";
  return {};
}

// Shorthands for the table rows.
constexpr FunctionEntry Whole(std::u16string_view name, std::u16string_view reading, std::u16string_view empty,
                              Operation op) {
  return {name, true, reading, 1, 1, empty, {}, {}, nullptr, op};
}
constexpr FunctionEntry Cut(std::u16string_view name, std::u16string_view reading, std::size_t min,
                            std::size_t max, std::u16string_view empty, std::u16string_view many,
                            std::u16string_view few, Operation op) {
  return {name, false, reading, min, max, empty, many, few, nullptr, op};
}
constexpr FunctionEntry Ruled(std::u16string_view name, std::u16string_view reading, std::u16string_view empty,
                              CountRule rule, Operation op) {
  return {name, false, reading, 1, kList, empty, {}, {}, rule, op};
}
constexpr FunctionEntry List(std::u16string_view name, std::u16string_view empty, Operation op) {
  return {name, false, u"e", 1, kList, empty, {}, {}, nullptr, op};
}

const FunctionEntry kTable[] = {
    // Seven characters
    List(u"向量合并到矩阵", u"向量合并到矩阵(<...>,...,<...>)必须有至少一个参数！", CallVectorsToMatrix),
    List(u"数组合并到矩阵", u"数组合并到矩阵({...},...,{...})必须有至少一个参数！", CallArraysToMatrix),
    Cut(u"矩阵分离为向量", u"e", 2, 2, u"矩阵分离为向量([...],基准列)必须有两个参数作为输入参数！",
        u"矩阵分离为向量([...],基准列)必须有两个参数作为输入参数，现在的输入参数太多了！",
        u"矩阵分离为向量([...],基准列)必须有两个参数作为输入参数，现在的输入参数太少了！", CallColumnOfMatrix),
    Cut(u"矩阵分离为数组", u"e", 2, 2, u"矩阵分离为数组([...],基准行)必须有两个参数作为输入参数！",
        u"矩阵分离为数组([...],基准行)必须有两个参数作为输入参数，现在的输入参数太多了！",
        u"矩阵分离为数组([...],基准行)必须有两个参数作为输入参数，现在的输入参数太少了！", CallRowOfMatrix),
    Ruled(u"一元二次方程根", u"e", u"一元二次方程根(系数1,系数2,常数/{...})必须输入一个或三个参数！", QuadraticCount,
          CallQuadraticRoots),
    // Six characters
    Cut(u"正态线性插值", u"l", 3, 3, u"正态线性插值(左向量,右向量,取值权重)必须有正好三个输入参数！",
        u"正态线性插值(左向量,右向量,取值权重)必须有正好三个输入参数，现在的输入参数太多了！",
        u"正态线性插值(左向量,右向量,取值权重)必须有正好三个输入参数，现在的输入参数太少了！", CallNormalizedLerp),
    Cut(u"圆滑线性插值", u"l", 3, 3, u"圆滑线性插值(左向量,右向量,取值权重)必须有正好三个输入参数！",
        u"圆滑线性插值(左向量,右向量,取值权重)必须有正好三个输入参数，现在的输入参数太多了！",
        u"圆滑线性插值(左向量,右向量,取值权重)必须有正好三个输入参数，现在的输入参数太少了！", CallSphericalLerp),
    // Five characters
    Whole(u"反双曲正弦", u"e", u"反双曲正弦(x)必须有一个输入参数！", CallInverseHyperbolicSine),
    Whole(u"反双曲余弦", u"e", u"反双曲余弦(x)必须有一个输入参数！", CallInverseHyperbolicCosine),
    Whole(u"反双曲正切", u"e", u"反双曲正切(x)必须有一个输入参数！", CallInverseHyperbolicTangent),
    Whole(u"反双曲余切", u"e", u"反双曲余切(x)必须有一个输入参数！", CallInverseHyperbolicCotangent),
    Whole(u"反双曲正割", u"e", u"反双曲正割(x)必须有一个输入参数！", CallInverseHyperbolicSecant),
    Whole(u"反双曲余割", u"e", u"反双曲余割(x)必须有一个输入参数！", CallInverseHyperbolicCosecant),
    List(u"最大公约数", u"最大公约数(x1,...,xn或{...})必须有至少一个输入参数！", CallGreatestCommonDivisor),
    List(u"最小公倍数", u"最小公倍数(x1,...,xn或{...})必须有至少一个输入参数！", CallLeastCommonMultiple),
    Whole(u"斐波那契数", u"l", u"斐波那契数(x)需要且仅需要一个参数！", CallFibonacci),
    Cut(u"负二项分布", u"e", 2, 3, u"负二项分布(总数,概率/x,总数,概率)至少必须有两个输入参数！",
        u"负二项分布(x,总数,概率)最多有三个输入参数，现在的输入参数太多了！",
        u"负二项分布(总数,概率)最少有两个输入参数，现在的输入参数太少了！", CallNegativeBinomial),
    Cut(u"超几何分布", u"e", 4, 4, u"超几何分布(x,取数据数量,总量,为0的数据总量)必须有正好四个参数！",
        u"超几何分布(x,取数据数量,总量,为0的数据总量)必须有正好四个参数，现在的参数太多了！",
        u"超几何分布(x,取数据数量,总量,为0的数据总量)必须有正好四个参数，现在的参数太少了！", CallHypergeometric),
    // Four characters
    Ruled(u"双曲正弦", u"e", u"双曲正弦(x)必须有一个输入参数！", SinhCount, CallHyperbolicSine),
    Ruled(u"双曲余弦", u"e", u"双曲余弦(x)必须有一个输入参数！", CoshCount, CallHyperbolicCosine),
    Ruled(u"双曲正切", u"e", u"双曲正切(x)必须有一个输入参数！", TanhCount, CallHyperbolicTangent),
    Ruled(u"双曲余切", u"e", u"双曲余切(x)必须有一个输入参数！", CothCount, CallHyperbolicCotangent),
    Ruled(u"双曲正割", u"e", u"双曲正割(x)必须有一个输入参数！", SechCount, CallHyperbolicSecant),
    Ruled(u"双曲余割", u"e", u"双曲余割(x)必须有一个输入参数！", CschCount, CallHyperbolicCosecant),
    Whole(u"单位矩阵", u"e", u"单位矩阵(x)必须有一个输入参数！", CallIdentityMatrix),
    Cut(u"老式舍入", u"e", 2, 2, u"老式舍入(x1,x2)必须有两个输入参数！",
        u"老式舍入(x1,x2)必须有两个参数，不能有两个以上的输入参数！",
        u"老式舍入(x1,x2)必须有两个参数，不能只有一个输入参数！", CallOldStyleRound),
    Whole(u"向上取整", u"e", u"向上取整(x)必须有一个输入参数！", CallCeiling),
    Whole(u"向下取整", u"e", u"向下取整(x)必须有一个输入参数！", CallFloor),
    List(u"数组合并", u"数组合并({...},...,{...})必须有至少一个输入参数！", CallArrayConcat),
    Cut(u"数组截取", u"e", 3, 3, u"数组截取({...},x1,x2)必须有三个输入参数！",
        u"数组截取({...},x1,x2)必须有三个输入参数，现在填入的参数太多了！",
        u"数组截取({...},x1,x2)必须有三个输入参数，现在填入的参数太少了！", CallArraySlice),
    Cut(u"数组删除", u"e", 3, 3, u"数组删除({...},x1,x2)必须有三个输入参数！",
        u"数组删除({...},x1,x2)必须有三个输入参数，现在填入的参数太多了！",
        u"数组删除({...},x1,x2)必须有三个输入参数，现在填入的参数太少了！", CallArrayDelete),
    Cut(u"数组插入", u"e", 3, 3, u"数组插入({...},x,{...})必须有三个输入参数！",
        u"数组插入({...},x,{...})必须有三个输入参数，现在填入的参数太多了！",
        u"数组插入({...},x,{...})必须有三个输入参数，现在填入的参数太少了！", CallArrayInsert),
    Cut(u"数组取项", u"e", 2, 2, u"数组取项({...},x)必须有两个输入参数！",
        u"数组取项({...},x)必须有两个输入参数，现在的输入参数太多了！",
        u"数组取项({...},x)必须有两个输入参数，现在的输入参数太少了！", CallArrayItem),
    Cut(u"数组复制", u"e", 3, 3, u"数组复制({...},x1,x2)必须有三个输入参数！",
        u"数组复制({...},x1,x2)必须有三个输入参数，现在填入的参数太多了！",
        u"数组复制({...},x1,x2)必须有三个输入参数，现在填入的参数太少了！", CallArrayCopy),
    Whole(u"数组反向", u"e", u"数组反向({...})必须有一个输入参数！", CallArrayReverse),
    Cut(u"数组排序", u"er", 2, 2, u"数组排序({...},是/否或真/假)必须有两个输入参数！",
        u"数组排序({...},是/否或真/假)必须有两个输入参数，现在的输入参数太多了！",
        u"数组排序({...},是/否或真/假)必须有两个输入参数，现在的输入参数太少了！", CallArraySort),
    Cut(u"温度转换", u"rrl", 3, 3,
        u"温度转换(摄氏度/华氏度/开尔文/兰金,摄氏度/华氏度/开尔文/兰金,x)需要三个输入参数！",
        u"温度转换(摄氏度/华氏度/开尔文/兰金,摄氏度/华氏度/开尔文/兰金,x)需要三个输入参数，现在的输入参数太多了！",
        u"温度转换(摄氏度/华氏度/开尔文/兰金,摄氏度/华氏度/开尔文/兰金,x)需要三个输入参数，现在的输入参数太少了！",
        CallConvertTemperature),
    Whole(u"汉诺塔数", u"l", u"汉诺塔数(x)需要且仅需要一个参数！", CallHanoi),
    Whole(u"卡特兰数", u"l", u"卡特兰数(x)需要且仅需要一个参数！", CallCatalan),
    Cut(u"线性插值", u"e", 3, 3, u"线性插值(左值,右值,取值权重)必须要正好三个输入参数！",
        u"线性插值(左值,右值,取值权重)必须要正好三个输入参数，现在输入参数太多了！",
        u"线性插值(左值,右值,取值权重)必须要正好三个输入参数，现在输入参数太少了！", CallLerp),
    Cut(u"平滑过渡", u"eeer", 4, 4, u"平滑过渡(左值,右值,取值权重,选用版本)必须要正好四个输入参数！",
        u"平滑过渡(左值,右值,取值权重,选用版本)必须要正好四个输入参数，现在输入参数太多了！",
        u"平滑过渡(左值,右值,取值权重,选用版本)必须要正好四个输入参数，现在输入参数太少了！", CallSmoothStep),
    Cut(u"两点分布", u"e", 1, 2, u"两点分布(概率/x,概率)必须至少有一个输入参数！",
        u"两点分布(x,概率)最多需要两个输入参数，现在的输入参数太多了！", {}, CallTwoPoint),
    Cut(u"二项分布", u"e", 2, 3, u"二项分布(总数,概率/x,总数,概率)必须输入至少两个参数！",
        u"二项分布(x,总数,概率)必须输入正好三个参数，现在的输入参数太多了！",
        u"二项分布(总数,概率)必须输入正好两个参数，现在的输入参数太少了！", CallBinomial),
    Cut(u"泊松分布", u"e", 2, 2, u"泊松分布(x,事件平均发生次数)必须有正好两个输入参数！",
        u"泊松分布(x,事件平均发生次数)必须有正好两个输入参数，现在的输入参数太多了！",
        u"泊松分布(x,事件平均发生次数)必须有正好两个输入参数，现在的输入参数太少了！", CallPoisson),
    Cut(u"几何分布", u"e", 2, 2, u"几何分布(x,概率)必须有正好两个输入参数！",
        u"几何分布(x,概率)必须有正好两个输入参数，现在的参数太多了！",
        u"几何分布(x,概率)必须有正好两个输入参数，现在的参数太少了！", CallGeometric),
    Cut(u"正态分布", u"e", 3, 3, u"正态分布(x,位置参数,离散程度)需要正好3个输入参数！",
        u"正态分布(x,位置参数,离散程度)需要正好3个输入参数，现在的输入参数太多了！",
        u"正态分布(x,位置参数,离散程度)需要正好3个输入参数，现在的输入参数太少了！", CallNormal),
    Cut(u"均匀分布", u"e", 3, 3, u"均匀分布(x,左边界,右边界)必须有正好三个输入参数！",
        u"均匀分布(x,左边界,右边界)必须有正好三个输入参数，现在输入参数太多了！",
        u"均匀分布(x,左边界,右边界)必须有正好三个输入参数，现在输入参数太少了！", CallUniform),
    Cut(u"指数分布", u"e", 2, 2, u"指数分布(x,衰减系数)必须正好有两个输入参数！",
        u"指数分布(x,衰减系数)必须正好有两个输入参数，现在的输入参数太多了！",
        u"指数分布(x,衰减系数)必须正好有两个输入参数，现在的输入参数太少了！", CallExponential),
    // Three characters
    Whole(u"绝对值", u"e", u"绝对值(x)必须有一个输入参数！", CallAbsoluteValue),
    Whole(u"反正弦", u"e", u"反正弦(x)必须有一个输入参数！", CallArcSine),
    Whole(u"反余弦", u"e", u"反余弦(x)必须有一个输入参数！", CallArcCosine),
    Whole(u"反正切", u"e", u"反正切(x)必须有一个输入参数！", CallArcTangent),
    Whole(u"反余切", u"e", u"反余切(x)必须有一个输入参数！", CallArcCotangent),
    Whole(u"反正割", u"e", u"反正割(x)必须有一个输入参数！", CallArcSecant),
    Whole(u"反余割", u"e", u"反余割(x)必须有一个输入参数！", CallArcCosecant),
    Whole(u"行列式", u"e", u"行列式(x)必须有一个输入参数！", CallDeterminant),
    Whole(u"取小数", u"e", u"取小数(x)必须有一个输入参数！", CallFractionalPart),
    List(u"最大值", u"最大值(x1,...,xn或{...})必须有至少一个参数！", CallMaximum),
    List(u"最小值", u"最小值(x1,...,xn或{...})必须有至少一个参数！", CallMinimum),
    List(u"平均数", u"平均数(x1,...,xn或{...})必须有至少一个参数！", CallMean),
    List(u"平均值", u"平均值(x1,...,xn或{...})必须有至少一个参数！", CallMean),
    List(u"标准差", u"标准差(x1,...,xn或{...})必须有至少一个参数！", CallStandardDeviation),
    Cut(u"组合数", u"l", 2, 2, u"组合数(x1,x2)必须至少有两个输入参数！",
        u"组合数(x1,x2)必须至少有两个输入参数，现在的输入参数太多了！",
        u"组合数(x1,x2)必须至少有两个输入参数，现在的输入参数太少了！", CallCombinations),
    Cut(u"排列数", u"l", 2, 2, u"排列数(x1,x2)必须至少有两个输入参数！",
        u"排列数(x1,x2)必须至少有两个输入参数，现在的输入参数太多了！",
        u"排列数(x1,x2)必须至少有两个输入参数，现在的输入参数太少了！", CallPermutations),
    Ruled(u"随机数", u"r",
          u"随机数(整数或实数/长,宽,整数或实数/长,宽,最小数,最大数,整数或实数)必须有1个或3个或5个输入参数！",
          RandomCount, CallRandom),
    Whole(u"平方根", u"e", u"平方根(x)必须有一个输入参数！", CallSquareRoot),
    Whole(u"立方根", u"e", u"立方根(x)必须有一个输入参数！", CallCubeRoot),
    // Two characters
    Ruled(u"正弦", u"e", u"正弦(x)必须有一个输入参数！", SineCount, CallSine),
    Ruled(u"余弦", u"e", u"余弦(x)必须有一个输入参数！", CosineCount, CallCosine),
    Ruled(u"正切", u"e", u"正切(x)必须有一个输入参数！", TangentCount, CallTangent),
    Ruled(u"余切", u"e", u"余切(x)必须有一个输入参数！", CotangentCount, CallCotangent),
    Ruled(u"正割", u"e", u"正割(x)必须有一个输入参数！", SecantCount, CallSecant),
    Ruled(u"余割", u"e", u"余割(x)必须有一个输入参数！", CosecantCount, CallCosecant),
    Whole(u"转置", u"e", u"转置(x)必须填入一个参数！", CallTranspose),
    Whole(u"求逆", u"e", u"求逆(x)必须填入一个参数！", CallInverse),
    Whole(u"伴随", u"e", u"伴随(x)必须填入一个参数！", CallAdjugate),
    Whole(u"相反", u"e", u"相反(x)必须填入一个参数！", CallNegate),
    Whole(u"取整", u"e", u"取整(x)必须填入一个参数！", CallIntegerPart),
    Cut(u"舍入", u"e", 2, 2, u"舍入(x1,x2)必须填入两个参数！", u"舍入(x1,x2)必须填入两个参数，而不是两个以上的参数！",
        u"舍入(x1,x2)必须填入两个参数，而不是一个参数！", CallRoundToPlaces),
    List(u"方差", u"方差(x1,...,xn或{...})必须有至少一个参数！", CallVariance),
    Whole(u"平方", u"e", u"平方(x)必须填入一个参数！", CallSquare),
    Whole(u"立方", u"e", u"立方(x)必须填入一个参数！", CallCube),
    Cut(u"对数", u"e", 2, 2, u"对数(底数,真数)必须填入两个输入参数！", u"对数(底数,真数)必须填入两个参数，现在填入的参数太多了！",
        u"对数(底数,真数)必须填入两个参数，现在填入的参数太少了！", CallLogarithm),
    Cut(u"单利", u"e", 3, 3, u"单利(本金,利率,计息期数)必须拥有正好三个参数！",
        u"单利(本金,利率,计息期数)必须拥有正好三个参数，现在的参数太多了！",
        u"单利(本金,利率,计息期数)必须拥有正好三个参数，现在的参数太少了！", CallSimpleInterest),
    Cut(u"复利", u"e", 3, 3, u"复利(本金,利率,计息期数)必须拥有正好三个参数！",
        u"复利(本金,利率,计息期数)必须拥有正好三个参数，现在的输入参数太多了！",
        u"复利(本金,利率,计息期数)必须拥有正好三个参数，现在的输入参数太少了！", CallCompoundInterest),
    Cut(u"折扣", u"e", 2, 2, u"折扣(原值,现值)必须正好有两个输入参数！", u"折扣(原值,现值)必须正好有两个输入参数，现在的输入参数太多了！",
        u"折扣(原值,现值)必须正好有两个输入参数，现在的输入参数太少了！", CallDiscount),
};

}  // namespace

std::span<const FunctionEntry> FunctionTable() { return kTable; }

}  // namespace zuvo
