// The built-in functions as the function dispatch calls them. Each reads its
// CallArgs (see engine/call_args.h), runs the kind checks of its function and
// calls the operation of its family.
#pragma once

#include "engine/call_args.h"

namespace zuvo {

// Sums, products and signs
std::optional<Value> CallNegate(const CallArgs&);            // 相反
std::optional<Value> CallAbsoluteValue(const CallArgs&);     // 绝对值
// Matrix algebra
std::optional<Value> CallDeterminant(const CallArgs&);       // 行列式
std::optional<Value> CallIdentityMatrix(const CallArgs&);    // 单位矩阵
std::optional<Value> CallTranspose(const CallArgs&);         // 转置
std::optional<Value> CallAdjugate(const CallArgs&);          // 伴随
std::optional<Value> CallInverse(const CallArgs&);           // 求逆
// Trigonometric and hyperbolic functions (number form with one argument,
// two-vector form with two)
std::optional<Value> CallSine(const CallArgs&);              // 正弦
std::optional<Value> CallCosine(const CallArgs&);            // 余弦
std::optional<Value> CallTangent(const CallArgs&);           // 正切
std::optional<Value> CallCotangent(const CallArgs&);         // 余切
std::optional<Value> CallSecant(const CallArgs&);            // 正割
std::optional<Value> CallCosecant(const CallArgs&);          // 余割
std::optional<Value> CallHyperbolicSine(const CallArgs&);    // 双曲正弦
std::optional<Value> CallHyperbolicCosine(const CallArgs&);  // 双曲余弦
std::optional<Value> CallHyperbolicTangent(const CallArgs&); // 双曲正切
std::optional<Value> CallHyperbolicCotangent(const CallArgs&); // 双曲余切
std::optional<Value> CallHyperbolicSecant(const CallArgs&);  // 双曲正割
std::optional<Value> CallHyperbolicCosecant(const CallArgs&); // 双曲余割
std::optional<Value> CallArcSine(const CallArgs&);           // 反正弦
std::optional<Value> CallArcCosine(const CallArgs&);         // 反余弦
std::optional<Value> CallArcTangent(const CallArgs&);        // 反正切
std::optional<Value> CallArcCotangent(const CallArgs&);      // 反余切
std::optional<Value> CallArcSecant(const CallArgs&);         // 反正割
std::optional<Value> CallArcCosecant(const CallArgs&);       // 反余割
std::optional<Value> CallInverseHyperbolicSine(const CallArgs&);      // 反双曲正弦
std::optional<Value> CallInverseHyperbolicCosine(const CallArgs&);    // 反双曲余弦
std::optional<Value> CallInverseHyperbolicTangent(const CallArgs&);   // 反双曲正切
std::optional<Value> CallInverseHyperbolicCotangent(const CallArgs&); // 反双曲余切
std::optional<Value> CallInverseHyperbolicSecant(const CallArgs&);    // 反双曲正割
std::optional<Value> CallInverseHyperbolicCosecant(const CallArgs&);  // 反双曲余割
// Statistics (array form or list form)
std::optional<Value> CallMaximum(const CallArgs&);           // 最大值
std::optional<Value> CallMinimum(const CallArgs&);           // 最小值
std::optional<Value> CallMean(const CallArgs&);              // 平均数, 平均值
std::optional<Value> CallVariance(const CallArgs&);          // 方差
std::optional<Value> CallStandardDeviation(const CallArgs&); // 标准差
// Rounding and integer parts
std::optional<Value> CallCeiling(const CallArgs&);           // 向上取整
std::optional<Value> CallFloor(const CallArgs&);             // 向下取整
std::optional<Value> CallIntegerPart(const CallArgs&);       // 取整
std::optional<Value> CallFractionalPart(const CallArgs&);    // 取小数
std::optional<Value> CallRoundToPlaces(const CallArgs&);     // 舍入
std::optional<Value> CallOldStyleRound(const CallArgs&);     // 老式舍入
// Greatest common divisor and least common multiple
std::optional<Value> CallGreatestCommonDivisor(const CallArgs&); // 最大公约数
std::optional<Value> CallLeastCommonMultiple(const CallArgs&);   // 最小公倍数
// Array functions
std::optional<Value> CallArrayConcat(const CallArgs&);       // 数组合并
std::optional<Value> CallArraySlice(const CallArgs&);        // 数组截取
std::optional<Value> CallArrayDelete(const CallArgs&);       // 数组删除
std::optional<Value> CallArrayInsert(const CallArgs&);       // 数组插入
std::optional<Value> CallArrayItem(const CallArgs&);         // 数组取项
std::optional<Value> CallArrayCopy(const CallArgs&);         // 数组复制
std::optional<Value> CallArrayReverse(const CallArgs&);      // 数组反向
std::optional<Value> CallArraySort(const CallArgs&);         // 数组排序
// Probability distributions
std::optional<Value> CallTwoPoint(const CallArgs&);          // 两点分布
std::optional<Value> CallBinomial(const CallArgs&);          // 二项分布
std::optional<Value> CallNegativeBinomial(const CallArgs&);  // 负二项分布
std::optional<Value> CallPoisson(const CallArgs&);           // 泊松分布
std::optional<Value> CallGeometric(const CallArgs&);         // 几何分布
std::optional<Value> CallHypergeometric(const CallArgs&);    // 超几何分布
std::optional<Value> CallNormal(const CallArgs&);            // 正态分布
std::optional<Value> CallUniform(const CallArgs&);           // 均匀分布
std::optional<Value> CallExponential(const CallArgs&);       // 指数分布
// Combinatorics and integer sequences
std::optional<Value> CallCombinations(const CallArgs&);      // 组合数
std::optional<Value> CallPermutations(const CallArgs&);      // 排列数
std::optional<Value> CallHanoi(const CallArgs&);             // 汉诺塔数
std::optional<Value> CallCatalan(const CallArgs&);           // 卡特兰数
std::optional<Value> CallFibonacci(const CallArgs&);         // 斐波那契数
// Interpolation
std::optional<Value> CallLerp(const CallArgs&);              // 线性插值
std::optional<Value> CallSmoothStep(const CallArgs&);        // 平滑过渡
std::optional<Value> CallNormalizedLerp(const CallArgs&);    // 正态线性插值
std::optional<Value> CallSphericalLerp(const CallArgs&);     // 圆滑线性插值
// Matrix assembly and splitting
std::optional<Value> CallVectorsToMatrix(const CallArgs&);   // 向量合并到矩阵
std::optional<Value> CallArraysToMatrix(const CallArgs&);    // 数组合并到矩阵
std::optional<Value> CallColumnOfMatrix(const CallArgs&);    // 矩阵分离为向量
std::optional<Value> CallRowOfMatrix(const CallArgs&);       // 矩阵分离为数组
// Logarithm, roots and powers
std::optional<Value> CallLogarithm(const CallArgs&);         // 对数
std::optional<Value> CallSquareRoot(const CallArgs&);        // 平方根
std::optional<Value> CallCubeRoot(const CallArgs&);          // 立方根
std::optional<Value> CallSquare(const CallArgs&);            // 平方
std::optional<Value> CallCube(const CallArgs&);              // 立方
// Temperature, interest, quadratic roots, random numbers
std::optional<Value> CallConvertTemperature(const CallArgs&); // 温度转换
std::optional<Value> CallSimpleInterest(const CallArgs&);    // 单利
std::optional<Value> CallCompoundInterest(const CallArgs&);  // 复利
std::optional<Value> CallDiscount(const CallArgs&);          // 折扣
std::optional<Value> CallQuadraticRoots(const CallArgs&);    // 一元二次方程根
std::optional<Value> CallRandom(const CallArgs&);            // 随机数

}  // namespace zuvo
