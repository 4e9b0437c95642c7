<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Awards</name>
    <message>
        <source>恭喜，赠送3个生命点及1000分！</source>
        <translation>Congratulations! 3 reshuffles and 1000 points!</translation>
    </message>
    <message>
        <source>恭喜，赠送1个生命点及500分！</source>
        <translation>Congratulations! 1 reshuffle and 500 points!</translation>
    </message>
    <message>
        <source>恭喜，赠送1个提示点、1个生命点及300分！</source>
        <translation>Congratulations! 1 hint, 1 reshuffle and 300 points!</translation>
    </message>
    <message>
        <source>恭喜，赠送100分！</source>
        <translation>Congratulations! 100 points!</translation>
    </message>
    <message>
        <source>噢......太差了，减生命点1！</source>
        <translation>Oh... too bad, one reshuffle less!</translation>
    </message>
    <message>
        <source>噢......太差了，减提示点1！</source>
        <translation>Oh... too bad, one hint less!</translation>
    </message>
</context>
<context>
    <name>DialogLook</name>
    <message>
        <source>宋体</source>
        <translation>DejaVu Sans</translation>
    </message>
    <message>
        <source>Zenkara之星 v1.04版</source>
        <translation>Zenkara Star v1.04</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <source>容易</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>困难</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>超级</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>无变化</source>
        <translation>No change</translation>
    </message>
    <message>
        <source>从上到下</source>
        <translation>Top to bottom</translation>
    </message>
    <message>
        <source>从下到上</source>
        <translation>Bottom to top</translation>
    </message>
    <message>
        <source>上下分离</source>
        <translation>Split up/down</translation>
    </message>
    <message>
        <source>左右分离</source>
        <translation>Split left/right</translation>
    </message>
    <message>
        <source>从右到左</source>
        <translation>Right to left</translation>
    </message>
    <message>
        <source>从左到右</source>
        <translation>Left to right</translation>
    </message>
    <message>
        <source>上下集中</source>
        <translation>Gather up/down</translation>
    </message>
    <message>
        <source>左右集中</source>
        <translation>Gather left/right</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Unable to write to %1</translation>
    </message>
</context>
<context>
    <name>PauseBall</name>
    <message>
        <source>暂停</source>
        <translation>Paused</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>容易(&amp;E)</source>
        <translation>&amp;Easy</translation>
    </message>
    <message>
        <source>普通(&amp;N)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>困难(&amp;H)</source>
        <translation>&amp;Hard</translation>
    </message>
    <message>
        <source>超级(&amp;S)</source>
        <translation>&amp;Super</translation>
    </message>
    <message>
        <source>放弃(&amp;Q)</source>
        <translation>Give &amp;Up</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>选项(&amp;S)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>提示(&amp;I)</source>
        <translation>H&amp;int</translation>
    </message>
    <message>
        <source>重新冼牌(&amp;R)</source>
        <translation>&amp;Reshuffle</translation>
    </message>
    <message>
        <source>神奇宝贝</source>
        <translation>Wonder Creatures</translation>
    </message>
    <message>
        <source>水晶宝贝</source>
        <translation>Crystal Pets</translation>
    </message>
    <message>
        <source>水晶水果</source>
        <translation>Crystal Fruit</translation>
    </message>
    <message>
        <source>极品水晶</source>
        <translation>Finest Crystal</translation>
    </message>
    <message>
        <source>背景音乐(&amp;M)</source>
        <translation>Background &amp;Music</translation>
    </message>
    <message>
        <source>游戏音效(&amp;S)</source>
        <translation>&amp;Sound Effects</translation>
    </message>
    <message>
        <source>排行榜(&amp;N)...</source>
        <translation>&amp;High Scores...</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>游戏说明</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>时间到<byte value="xd"/>加时间能量100分</source>
        <translation>Time&apos;s up!<byte value="xd"/>Time bonus: 100 points</translation>
    </message>
    <message>
        <source>Zenkara V5</source>
        <translation>Zenkara V5</translation>
    </message>
    <message>
        <source>难度: </source>
        <translation>Skill: </translation>
    </message>
    <message>
        <source>级别:</source>
        <translation>Level: </translation>
    </message>
    <message>
        <source>重排: </source>
        <translation>Shuffles: </translation>
    </message>
    <message>
        <source>提示: </source>
        <translation>Hints: </translation>
    </message>
    <message>
        <source>得分: </source>
        <translation>Score: </translation>
    </message>
    <message>
        <source>找不到游戏说明文件%1！</source>
        <translation>Cannot find the instructions file %1!</translation>
    </message>
    <message>
        <source>无法打开游戏说明文件%1！</source>
        <translation>Cannot open the instructions file %1!</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>作者：Zenkara之星 开发组</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>Author: the Zenkara Star team</translation>
    </message>
    <message>
        <source>全部过关<byte value="xd"/>高手中的高手！</source>
        <translation>All levels cleared!<byte value="xd"/>Master of masters!</translation>
    </message>
    <message>
        <source>已无牌可消！</source>
        <translation>No pairs left!</translation>
    </message>
    <message>
        <source>过关了，恭喜！<byte value="xd"/>另加%1分。</source>
        <translation>Level cleared, well done!<byte value="xd"/>Bonus: %1 points.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>确  定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation>E-mail: </translation>
    </message>
</context>
<context>
    <name>TTopScore</name>
    <message>
        <source>排名</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>姓  名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>成  绩</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>时  间</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>关      闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>清        除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>难度:</source>
        <translation>Skill:</translation>
    </message>
</context>
<context>
    <name>TWriteNameBox</name>
    <message>
        <source>游戏成绩进入前10名请输入您的姓名：</source>
        <translation>A top-10 score! Enter your name:</translation>
    </message>
    <message>
        <source>记  录</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不记录</source>
        <translation>Skip</translation>
    </message>
</context>
</TS>
