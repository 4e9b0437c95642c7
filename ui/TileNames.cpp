#include "ui/TileNames.h"

#include "engine/Geometry.h"

#include <QCoreApplication>

namespace {

constexpr int SheetCount = 4;

// Each sheet's names in tile-kind order, the picture drawn by tools/artwork/make_tiles.cpp after
// each name.
const char* const Names[SheetCount][KindCount] = {
    {
        // ANIMAL1: creatures
        QT_TRANSLATE_NOOP("TileNames", "大象"),  // 🐘
        QT_TRANSLATE_NOOP("TileNames", "长颈鹿"),  // 🦒
        QT_TRANSLATE_NOOP("TileNames", "斑马"),  // 🦓
        QT_TRANSLATE_NOOP("TileNames", "骆驼"),  // 🐪
        QT_TRANSLATE_NOOP("TileNames", "羊驼"),  // 🦙
        QT_TRANSLATE_NOOP("TileNames", "兔子"),  // 🐇
        QT_TRANSLATE_NOOP("TileNames", "刺猬"),  // 🦔
        QT_TRANSLATE_NOOP("TileNames", "蝙蝠"),  // 🦇
        QT_TRANSLATE_NOOP("TileNames", "袋鼠"),  // 🦘
        QT_TRANSLATE_NOOP("TileNames", "火鸡"),  // 🦃
        QT_TRANSLATE_NOOP("TileNames", "公鸡"),  // 🐓
        QT_TRANSLATE_NOOP("TileNames", "小鸡"),  // 🐤
        QT_TRANSLATE_NOOP("TileNames", "企鹅"),  // 🐧
        QT_TRANSLATE_NOOP("TileNames", "鸭子"),  // 🦆
        QT_TRANSLATE_NOOP("TileNames", "猫头鹰"),  // 🦉
        QT_TRANSLATE_NOOP("TileNames", "火烈鸟"),  // 🦩
        QT_TRANSLATE_NOOP("TileNames", "孔雀"),  // 🦚
        QT_TRANSLATE_NOOP("TileNames", "鹦鹉"),  // 🦜
        QT_TRANSLATE_NOOP("TileNames", "鳄鱼"),  // 🐊
        QT_TRANSLATE_NOOP("TileNames", "乌龟"),  // 🐢
        QT_TRANSLATE_NOOP("TileNames", "恐龙"),  // 🦖
        QT_TRANSLATE_NOOP("TileNames", "鲸鱼"),  // 🐳
        QT_TRANSLATE_NOOP("TileNames", "海豚"),  // 🐬
        QT_TRANSLATE_NOOP("TileNames", "热带鱼"),  // 🐠
        QT_TRANSLATE_NOOP("TileNames", "河豚"),  // 🐡
        QT_TRANSLATE_NOOP("TileNames", "鲨鱼"),  // 🦈
        QT_TRANSLATE_NOOP("TileNames", "章鱼"),  // 🐙
        QT_TRANSLATE_NOOP("TileNames", "蜗牛"),  // 🐌
        QT_TRANSLATE_NOOP("TileNames", "蝴蝶"),  // 🦋
        QT_TRANSLATE_NOOP("TileNames", "毛毛虫"),  // 🐛
        QT_TRANSLATE_NOOP("TileNames", "蚂蚁"),  // 🐜
        QT_TRANSLATE_NOOP("TileNames", "蜜蜂"),  // 🐝
        QT_TRANSLATE_NOOP("TileNames", "瓢虫"),  // 🐞
        QT_TRANSLATE_NOOP("TileNames", "螃蟹"),  // 🦀
        QT_TRANSLATE_NOOP("TileNames", "猪"),  // 🐖
        QT_TRANSLATE_NOOP("TileNames", "公羊"),  // 🐏
        QT_TRANSLATE_NOOP("TileNames", "猴子"),  // 🐒
        QT_TRANSLATE_NOOP("TileNames", "大猩猩"),  // 🦍
        QT_TRANSLATE_NOOP("TileNames", "老虎"),  // 🐅
        QT_TRANSLATE_NOOP("TileNames", "狗"),  // 🐕
        QT_TRANSLATE_NOOP("TileNames", "水母"),  // 🪼
        QT_TRANSLATE_NOOP("TileNames", "小鸟"),  // 🐦
        QT_TRANSLATE_NOOP("TileNames", "奶牛"),  // 🐄
        QT_TRANSLATE_NOOP("TileNames", "蛇"),  // 🐍
        QT_TRANSLATE_NOOP("TileNames", "鹿"),  // 🦌
    },
    {
        // ANIMAL2: cartoon animals
        QT_TRANSLATE_NOOP("TileNames", "小狗"),  // 🐶
        QT_TRANSLATE_NOOP("TileNames", "小猫"),  // 🐱
        QT_TRANSLATE_NOOP("TileNames", "老鼠"),  // 🐭
        QT_TRANSLATE_NOOP("TileNames", "仓鼠"),  // 🐹
        QT_TRANSLATE_NOOP("TileNames", "兔子"),  // 🐰
        QT_TRANSLATE_NOOP("TileNames", "狐狸"),  // 🦊
        QT_TRANSLATE_NOOP("TileNames", "熊"),  // 🐻
        QT_TRANSLATE_NOOP("TileNames", "熊猫"),  // 🐼
        QT_TRANSLATE_NOOP("TileNames", "考拉"),  // 🐨
        QT_TRANSLATE_NOOP("TileNames", "老虎"),  // 🐯
        QT_TRANSLATE_NOOP("TileNames", "狮子"),  // 🦁
        QT_TRANSLATE_NOOP("TileNames", "奶牛"),  // 🐮
        QT_TRANSLATE_NOOP("TileNames", "猪"),  // 🐷
        QT_TRANSLATE_NOOP("TileNames", "青蛙"),  // 🐸
        QT_TRANSLATE_NOOP("TileNames", "猴子"),  // 🐵
        QT_TRANSLATE_NOOP("TileNames", "母鸡"),  // 🐔
        QT_TRANSLATE_NOOP("TileNames", "小鸡"),  // 🐥
        QT_TRANSLATE_NOOP("TileNames", "老鹰"),  // 🦅
        QT_TRANSLATE_NOOP("TileNames", "狼"),  // 🐺
        QT_TRANSLATE_NOOP("TileNames", "野猪"),  // 🐗
        QT_TRANSLATE_NOOP("TileNames", "马"),  // 🐴
        QT_TRANSLATE_NOOP("TileNames", "独角兽"),  // 🦄
        QT_TRANSLATE_NOOP("TileNames", "龙"),  // 🐲
        QT_TRANSLATE_NOOP("TileNames", "浣熊"),  // 🦝
        QT_TRANSLATE_NOOP("TileNames", "北极熊"),  // 🐻‍❄️
        QT_TRANSLATE_NOOP("TileNames", "捂眼猴"),  // 🙈
        QT_TRANSLATE_NOOP("TileNames", "爱心猫"),  // 😻
        QT_TRANSLATE_NOOP("TileNames", "河狸"),  // 🦫
        QT_TRANSLATE_NOOP("TileNames", "海豹"),  // 🦭
        QT_TRANSLATE_NOOP("TileNames", "鹅"),  // 🪿
        QT_TRANSLATE_NOOP("TileNames", "黑鸟"),  // 🐦‍⬛
        QT_TRANSLATE_NOOP("TileNames", "渡渡鸟"),  // 🦤
        QT_TRANSLATE_NOOP("TileNames", "驼鹿"),  // 🫎
        QT_TRANSLATE_NOOP("TileNames", "蝎子"),  // 🦂
        QT_TRANSLATE_NOOP("TileNames", "水獭"),  // 🦦
        QT_TRANSLATE_NOOP("TileNames", "树懒"),  // 🦥
        QT_TRANSLATE_NOOP("TileNames", "贵宾犬"),  // 🐩
        QT_TRANSLATE_NOOP("TileNames", "鱿鱼"),  // 🦑
        QT_TRANSLATE_NOOP("TileNames", "龙虾"),  // 🦞
        QT_TRANSLATE_NOOP("TileNames", "鱼"),  // 🐟
        QT_TRANSLATE_NOOP("TileNames", "蜥蜴"),  // 🦎
        QT_TRANSLATE_NOOP("TileNames", "蜘蛛"),  // 🕷️
        QT_TRANSLATE_NOOP("TileNames", "细菌"),  // 🦠
        QT_TRANSLATE_NOOP("TileNames", "鲸鱼"),  // 🐋
        QT_TRANSLATE_NOOP("TileNames", "松鼠"),  // 🐿️
    },
    {
        // ANIMAL3: icons on plates
        QT_TRANSLATE_NOOP("TileNames", "星星"),  // ⭐
        QT_TRANSLATE_NOOP("TileNames", "红心"),  // ❤️
        QT_TRANSLATE_NOOP("TileNames", "泰迪熊"),  // 🧸
        QT_TRANSLATE_NOOP("TileNames", "雨伞"),  // ☂️
        QT_TRANSLATE_NOOP("TileNames", "钥匙"),  // 🔑
        QT_TRANSLATE_NOOP("TileNames", "气球"),  // 🎈
        QT_TRANSLATE_NOOP("TileNames", "汽车"),  // 🚗
        QT_TRANSLATE_NOOP("TileNames", "飞机"),  // ✈️
        QT_TRANSLATE_NOOP("TileNames", "房子"),  // 🏠
        QT_TRANSLATE_NOOP("TileNames", "闹钟"),  // ⏰
        QT_TRANSLATE_NOOP("TileNames", "灯泡"),  // 💡
        QT_TRANSLATE_NOOP("TileNames", "铃铛"),  // 🔔
        QT_TRANSLATE_NOOP("TileNames", "礼物"),  // 🎁
        QT_TRANSLATE_NOOP("TileNames", "足球"),  // ⚽
        QT_TRANSLATE_NOOP("TileNames", "篮球"),  // 🏀
        QT_TRANSLATE_NOOP("TileNames", "吉他"),  // 🎸
        QT_TRANSLATE_NOOP("TileNames", "火箭"),  // 🚀
        QT_TRANSLATE_NOOP("TileNames", "月亮"),  // 🌙
        QT_TRANSLATE_NOOP("TileNames", "闪电"),  // ⚡
        QT_TRANSLATE_NOOP("TileNames", "雪花"),  // ❄️
        QT_TRANSLATE_NOOP("TileNames", "彩虹"),  // 🌈
        QT_TRANSLATE_NOOP("TileNames", "火焰"),  // 🔥
        QT_TRANSLATE_NOOP("TileNames", "钻石"),  // 💎
        QT_TRANSLATE_NOOP("TileNames", "皇冠"),  // 👑
        QT_TRANSLATE_NOOP("TileNames", "礼帽"),  // 🎩
        QT_TRANSLATE_NOOP("TileNames", "剪刀"),  // ✂️
        QT_TRANSLATE_NOOP("TileNames", "铅笔"),  // ✏️
        QT_TRANSLATE_NOOP("TileNames", "相机"),  // 📷
        QT_TRANSLATE_NOOP("TileNames", "锚"),  // ⚓
        QT_TRANSLATE_NOOP("TileNames", "骰子"),  // 🎲
        QT_TRANSLATE_NOOP("TileNames", "拼图"),  // 🧩
        QT_TRANSLATE_NOOP("TileNames", "四叶草"),  // 🍀
        QT_TRANSLATE_NOOP("TileNames", "樱花"),  // 🌸
        QT_TRANSLATE_NOOP("TileNames", "向日葵"),  // 🌻
        QT_TRANSLATE_NOOP("TileNames", "帆船"),  // ⛵
        QT_TRANSLATE_NOOP("TileNames", "调色板"),  // 🎨
        QT_TRANSLATE_NOOP("TileNames", "南瓜灯"),  // 🎃
        QT_TRANSLATE_NOOP("TileNames", "雪人"),  // ⛄
        QT_TRANSLATE_NOOP("TileNames", "锁"),  // 🔒
        QT_TRANSLATE_NOOP("TileNames", "炸弹"),  // 💣
        QT_TRANSLATE_NOOP("TileNames", "磁铁"),  // 🧲
        QT_TRANSLATE_NOOP("TileNames", "飞镖靶"),  // 🎯
        QT_TRANSLATE_NOOP("TileNames", "奖杯"),  // 🏆
        QT_TRANSLATE_NOOP("TileNames", "土星"),  // 🪐
        QT_TRANSLATE_NOOP("TileNames", "地球"),  // 🌍
    },
    {
        // ANIMAL4: fruit and food on plates
        QT_TRANSLATE_NOOP("TileNames", "葡萄"),  // 🍇
        QT_TRANSLATE_NOOP("TileNames", "甜瓜"),  // 🍈
        QT_TRANSLATE_NOOP("TileNames", "西瓜"),  // 🍉
        QT_TRANSLATE_NOOP("TileNames", "橘子"),  // 🍊
        QT_TRANSLATE_NOOP("TileNames", "柠檬"),  // 🍋
        QT_TRANSLATE_NOOP("TileNames", "香蕉"),  // 🍌
        QT_TRANSLATE_NOOP("TileNames", "菠萝"),  // 🍍
        QT_TRANSLATE_NOOP("TileNames", "芒果"),  // 🥭
        QT_TRANSLATE_NOOP("TileNames", "红苹果"),  // 🍎
        QT_TRANSLATE_NOOP("TileNames", "青苹果"),  // 🍏
        QT_TRANSLATE_NOOP("TileNames", "梨"),  // 🍐
        QT_TRANSLATE_NOOP("TileNames", "桃子"),  // 🍑
        QT_TRANSLATE_NOOP("TileNames", "樱桃"),  // 🍒
        QT_TRANSLATE_NOOP("TileNames", "草莓"),  // 🍓
        QT_TRANSLATE_NOOP("TileNames", "蓝莓"),  // 🫐
        QT_TRANSLATE_NOOP("TileNames", "猕猴桃"),  // 🥝
        QT_TRANSLATE_NOOP("TileNames", "蜂蜜"),  // 🍯
        QT_TRANSLATE_NOOP("TileNames", "椰子"),  // 🥥
        QT_TRANSLATE_NOOP("TileNames", "牛油果"),  // 🥑
        QT_TRANSLATE_NOOP("TileNames", "茄子"),  // 🍆
        QT_TRANSLATE_NOOP("TileNames", "胡萝卜"),  // 🥕
        QT_TRANSLATE_NOOP("TileNames", "玉米"),  // 🌽
        QT_TRANSLATE_NOOP("TileNames", "辣椒"),  // 🌶️
        QT_TRANSLATE_NOOP("TileNames", "西兰花"),  // 🥦
        QT_TRANSLATE_NOOP("TileNames", "蘑菇"),  // 🍄
        QT_TRANSLATE_NOOP("TileNames", "花生"),  // 🥜
        QT_TRANSLATE_NOOP("TileNames", "面包"),  // 🍞
        QT_TRANSLATE_NOOP("TileNames", "牛角包"),  // 🥐
        QT_TRANSLATE_NOOP("TileNames", "奶酪"),  // 🧀
        QT_TRANSLATE_NOOP("TileNames", "鸡腿"),  // 🍗
        QT_TRANSLATE_NOOP("TileNames", "汉堡"),  // 🍔
        QT_TRANSLATE_NOOP("TileNames", "薯条"),  // 🍟
        QT_TRANSLATE_NOOP("TileNames", "比萨"),  // 🍕
        QT_TRANSLATE_NOOP("TileNames", "热狗"),  // 🌭
        QT_TRANSLATE_NOOP("TileNames", "巧克力"),  // 🍫
        QT_TRANSLATE_NOOP("TileNames", "煎蛋"),  // 🍳
        QT_TRANSLATE_NOOP("TileNames", "爆米花"),  // 🍿
        QT_TRANSLATE_NOOP("TileNames", "饭团"),  // 🍙
        QT_TRANSLATE_NOOP("TileNames", "炸虾"),  // 🍤
        QT_TRANSLATE_NOOP("TileNames", "甜甜圈"),  // 🍩
        QT_TRANSLATE_NOOP("TileNames", "饼干"),  // 🍪
        QT_TRANSLATE_NOOP("TileNames", "蛋糕"),  // 🍰
        QT_TRANSLATE_NOOP("TileNames", "纸杯蛋糕"),  // 🧁
        QT_TRANSLATE_NOOP("TileNames", "棒棒糖"),  // 🍭
        QT_TRANSLATE_NOOP("TileNames", "冰淇淋"),  // 🍦
    },
};

const char* const EmptyName = QT_TRANSLATE_NOOP("TileNames", "空");

}  // namespace

QString TileName(int pattern, std::int32_t kind)
{
    if (kind < 0 || kind >= KindCount)
        return QCoreApplication::translate("TileNames", EmptyName);
    const int sheet = pattern >= 1 && pattern <= SheetCount ? pattern - 1 : 0;
    return QCoreApplication::translate("TileNames", Names[sheet][kind]);
}
