<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>Awards</name>
    <message>
        <source>恭喜，赠送3个生命点及1000分！</source>
        <translation>恭喜，贈送3個生命點及1000分！</translation>
    </message>
    <message>
        <source>恭喜，赠送1个生命点及500分！</source>
        <translation>恭喜，贈送1個生命點及500分！</translation>
    </message>
    <message>
        <source>恭喜，赠送1个提示点、1个生命点及300分！</source>
        <translation>恭喜，贈送1個提示點、1個生命點及300分！</translation>
    </message>
    <message>
        <source>恭喜，赠送100分！</source>
        <translation>恭喜，贈送100分！</translation>
    </message>
    <message>
        <source>噢......太差了，减生命点1！</source>
        <translation>噢......太差了，減生命點1！</translation>
    </message>
    <message>
        <source>噢......太差了，减提示点1！</source>
        <translation>噢......太差了，減提示點1！</translation>
    </message>
</context>
<context>
    <name>DialogLook</name>
    <message>
        <source>宋体</source>
        <translation>AR PL UMing TW</translation>
    </message>
    <message>
        <source>Zenkara之星 v1.04版</source>
        <translation>Zenkara之星 v1.04版</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <source>容易</source>
        <translation>容易</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>困难</source>
        <translation>困難</translation>
    </message>
    <message>
        <source>超级</source>
        <translation>超級</translation>
    </message>
    <message>
        <source>无变化</source>
        <translation>無變化</translation>
    </message>
    <message>
        <source>从上到下</source>
        <translation>從上到下</translation>
    </message>
    <message>
        <source>从下到上</source>
        <translation>從下到上</translation>
    </message>
    <message>
        <source>上下分离</source>
        <translation>上下分離</translation>
    </message>
    <message>
        <source>左右分离</source>
        <translation>左右分離</translation>
    </message>
    <message>
        <source>从右到左</source>
        <translation>從右到左</translation>
    </message>
    <message>
        <source>从左到右</source>
        <translation>從左到右</translation>
    </message>
    <message>
        <source>上下集中</source>
        <translation>上下集中</translation>
    </message>
    <message>
        <source>左右集中</source>
        <translation>左右集中</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>無法寫入 %1</translation>
    </message>
</context>
<context>
    <name>PauseBall</name>
    <message>
        <source>暂停</source>
        <translation>暫停</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>遊戲(&amp;G)</translation>
    </message>
    <message>
        <source>容易(&amp;E)</source>
        <translation>容易(&amp;E)</translation>
    </message>
    <message>
        <source>普通(&amp;N)</source>
        <translation>普通(&amp;N)</translation>
    </message>
    <message>
        <source>困难(&amp;H)</source>
        <translation>困難(&amp;H)</translation>
    </message>
    <message>
        <source>超级(&amp;S)</source>
        <translation>超級(&amp;S)</translation>
    </message>
    <message>
        <source>放弃(&amp;Q)</source>
        <translation>放棄(&amp;Q)</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>选项(&amp;S)</source>
        <translation>選項(&amp;S)</translation>
    </message>
    <message>
        <source>提示(&amp;I)</source>
        <translation>提示(&amp;I)</translation>
    </message>
    <message>
        <source>重新冼牌(&amp;R)</source>
        <translation>重新洗牌(&amp;R)</translation>
    </message>
    <message>
        <source>神奇宝贝</source>
        <translation>神奇寶貝</translation>
    </message>
    <message>
        <source>水晶宝贝</source>
        <translation>水晶寶貝</translation>
    </message>
    <message>
        <source>水晶水果</source>
        <translation>水晶水果</translation>
    </message>
    <message>
        <source>极品水晶</source>
        <translation>極品水晶</translation>
    </message>
    <message>
        <source>背景音乐(&amp;M)</source>
        <translation>背景音樂(&amp;M)</translation>
    </message>
    <message>
        <source>游戏音效(&amp;S)</source>
        <translation>遊戲音效(&amp;S)</translation>
    </message>
    <message>
        <source>排行榜(&amp;N)...</source>
        <translation>排行榜(&amp;N)...</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>游戏说明</source>
        <translation>遊戲說明</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>时间到<byte value="xd"/>加时间能量100分</source>
        <translation>時間到<byte value="xd"/>加時間能量100分</translation>
    </message>
    <message>
        <source>Zenkara V5</source>
        <translation>Zenkara V5</translation>
    </message>
    <message>
        <source>难度: </source>
        <translation>難度: </translation>
    </message>
    <message>
        <source>级别:</source>
        <translation>級別:</translation>
    </message>
    <message>
        <source>重排: </source>
        <translation>重排: </translation>
    </message>
    <message>
        <source>提示: </source>
        <translation>提示: </translation>
    </message>
    <message>
        <source>得分: </source>
        <translation>得分: </translation>
    </message>
    <message>
        <source>找不到游戏说明文件%1！</source>
        <translation>找不到遊戲說明檔案%1！</translation>
    </message>
    <message>
        <source>无法打开游戏说明文件%1！</source>
        <translation>無法開啟遊戲說明檔案%1！</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>作者：Zenkara之星 开发组</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>作者：Zenkara之星 開發組</translation>
    </message>
    <message>
        <source>全部过关<byte value="xd"/>高手中的高手！</source>
        <translation>全部過關<byte value="xd"/>高手中的高手！</translation>
    </message>
    <message>
        <source>已无牌可消！</source>
        <translation>已無牌可消！</translation>
    </message>
    <message>
        <source>过关了，恭喜！<byte value="xd"/>另加%1分。</source>
        <translation>過關了，恭喜！<byte value="xd"/>另加%1分。</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>确  定</source>
        <translation>確  定</translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation>E-Mail: </translation>
    </message>
</context>
<context>
    <name>TTopScore</name>
    <message>
        <source>排名</source>
        <translation>排名</translation>
    </message>
    <message>
        <source>姓  名</source>
        <translation>姓  名</translation>
    </message>
    <message>
        <source>成  绩</source>
        <translation>成  績</translation>
    </message>
    <message>
        <source>时  间</source>
        <translation>時  間</translation>
    </message>
    <message>
        <source>关      闭</source>
        <translation>關      閉</translation>
    </message>
    <message>
        <source>清        除</source>
        <translation>清        除</translation>
    </message>
    <message>
        <source>难度:</source>
        <translation>難度:</translation>
    </message>
</context>
<context>
    <name>TWriteNameBox</name>
    <message>
        <source>游戏成绩进入前10名请输入您的姓名：</source>
        <translation>遊戲成績進入前10名請輸入您的姓名：</translation>
    </message>
    <message>
        <source>记  录</source>
        <translation>記  錄</translation>
    </message>
    <message>
        <source>不记录</source>
        <translation>不記錄</translation>
    </message>
</context>
</TS>
