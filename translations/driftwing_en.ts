<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_TW">
<context>
    <name>Words</name>
    <message>
        <source>Halvard:哈哈,有前途呢^^</source>
        <translation>Halvard: Ha ha, this one&apos;s got a future ^^</translation>
    </message>
    <message>
        <source>Mirelle:哪要看他能不能通過初次預賽了</source>
        <translation>Mirelle: That depends on whether he gets through his first qualifier</translation>
    </message>
    <message>
        <source>:嗯......</source>
        <translation>: Mm......</translation>
    </message>
    <message>
        <source>                          (預賽開始)</source>
        <translation>                          (The qualifier begins)</translation>
    </message>
    <message>
        <source>Halvard:恭喜你通過了預賽啊~~</source>
        <translation>Halvard: Congratulations on getting through the qualifier~~</translation>
    </message>
    <message>
        <source>:嗯...多謝前輩</source>
        <translation>: Mm... thank you, mentor</translation>
    </message>
    <message>
        <source>Quellan:看來Vantor隊的新手也不錯呢</source>
        <translation>Quellan: Looks like the Vantor team&apos;s rookie is pretty good too</translation>
    </message>
    <message>
        <source>Halvard:Quellan?!對了,你們會在下場碰上的</source>
        <translation>Halvard: Quellan?! Right, you two meet in the next race</translation>
    </message>
    <message>
        <source>Quellan:不錯,我很期待和</source>
        <translation>Quellan: Indeed. I look forward to racing </translation>
    </message>
    <message>
        <source>比試呢</source>
        <translation>!</translation>
    </message>
    <message>
        <source>:.......(冒冷汗)</source>
        <translation>: .......(breaks into a cold sweat)</translation>
    </message>
    <message>
        <source>Mirelle:不用太緊張呢,下次可用新車了^^</source>
        <translation>Mirelle: Don&apos;t be so nervous, next time you get a new car ^^</translation>
    </message>
    <message>
        <source>:.......(依然緊張)</source>
        <translation>: .......(still nervous)</translation>
    </message>
    <message>
        <source>                          (賽事開始)</source>
        <translation>                          (The race begins)</translation>
    </message>
    <message>
        <source>果然很有潛質 </source>
        <translation> really does have talent </translation>
    </message>
    <message>
        <source> (臉紅):不過始終不及前輩啊 </source>
        <translation> (blushing): But I&apos;m still no match for my mentor </translation>
    </message>
    <message>
        <source>                          (另一方面) </source>
        <translation>                          (Meanwhile) </translation>
    </message>
    <message>
        <source>Mirelle:Brisko,你怎麼呀? </source>
        <translation>Mirelle: Brisko, what&apos;s the matter? </translation>
    </message>
    <message>
        <source>Brisko:下場比賽要和你隊的</source>
        <translation>Brisko: In the next race I&apos;m up against your team&apos;s </translation>
    </message>
    <message>
        <source>較量了 </source>
        <translation> </translation>
    </message>
    <message>
        <source>Mirelle:哈哈,想不到我的偶像會怕一個新手呢</source>
        <translation>Mirelle: Ha ha, who&apos;d have thought my idol would be afraid of a rookie</translation>
    </message>
    <message>
        <source>Brisko:不,只是覺得他有點似以前的我罷了</source>
        <translation>Brisko: No, he just reminds me a little of how I used to be</translation>
    </message>
    <message>
        <source>                          (比賽開始)</source>
        <translation>                          (The race starts)</translation>
    </message>
    <message>
        <source>Dorrin:我們又要再一決高下了</source>
        <translation>Dorrin: So we settle it once more</translation>
    </message>
    <message>
        <source>Halvard:我今次會和</source>
        <translation>Halvard: This time I&apos;m swapping cars with </translation>
    </message>
    <message>
        <source>交換坐駕的</source>
        <translation>, that&apos;s decided</translation>
    </message>
    <message>
        <source>Dorrin:什麼?!你想放棄Ultrapex嗎?!</source>
        <translation>Dorrin: What?! You&apos;d give up the Ultrapex?!</translation>
    </message>
    <message>
        <source>Halvard:你也只用舊車吧,我要靠實力取勝</source>
        <translation>Halvard: You take an old car too. I&apos;ll win on skill alone</translation>
    </message>
    <message>
        <source>Halvard:下場是決賽了,你繼續用我的車吧</source>
        <translation>Halvard: Next up is the final. Keep driving my car</translation>
    </message>
    <message>
        <source>:前輩,哪你呢?</source>
        <translation>: Mentor, what about you?</translation>
    </message>
    <message>
        <source>Mirelle:Halvard在上次弄壞了你的GPS啊</source>
        <translation>Mirelle: Halvard wrecked your GPS last time, you know</translation>
    </message>
    <message>
        <source>Mirelle:何仿他今次不出賽也拿定總冠軍的了</source>
        <translation>Mirelle: Besides, the championship is his even if he sits this one out</translation>
    </message>
    <message>
        <source>Halvard:一定要最快衝過終點啊</source>
        <translation>Halvard: Be the first across the line, whatever it takes</translation>
    </message>
    <message>
        <source>:一定!!</source>
        <translation>: I will!!</translation>
    </message>
    <message>
        <source>                          (決賽開始)</source>
        <translation>                          (The final begins)</translation>
    </message>
    <message>
        <source>Quellan:今次大賽又是Halvard勝出了</source>
        <translation>Quellan: So Halvard wins the championship again</translation>
    </message>
    <message>
        <source>Brisko:連第二名也是Vantor隊的人呢,</source>
        <translation>Brisko: And second place went to the Vantor team too,</translation>
    </message>
    <message>
        <source>Dorrin:真是英雄出少年</source>
        <translation>Dorrin: Heroes really do start young</translation>
    </message>
    <message>
        <source>:嗯...你們見笑了</source>
        <translation>: Mm... you flatter me</translation>
    </message>
    <message>
        <source>Halvard:我們去食飯慶祝吧</source>
        <translation>Halvard: Let&apos;s go out to eat and celebrate</translation>
    </message>
    <message>
        <source>:好啊~~</source>
        <translation>: Yes, let&apos;s~~</translation>
    </message>
    <message>
        <source>按此</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>對戰</source>
        <translation>Battle</translation>
    </message>
    <message>
        <source>網上對戰</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>說明</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>「Zephyrun」</source>
        <translation>“Zephyrun”</translation>
    </message>
    <message>
        <source>故事</source>
        <translation>Story</translation>
    </message>
    <message>
        <source>故事模式:</source>
        <translation>Story mode:</translation>
    </message>
    <message>
        <source>以左右鍵移動,以上鍵加速,以下鍵減速,按P暫停遊戲,按Shift結束遊戲</source>
        <translation>Left/Right to move, Up to speed up, Down to slow down, P to pause, Shift to quit</translation>
    </message>
    <message>
        <source>對戰模式:</source>
        <translation>Battle mode:</translation>
    </message>
    <message>
        <source>右方:以左右鍵移動,以上鍵加速,以下鍵減速,       Num1放飛彈,Num2用Turbo</source>
        <translation>Right: Left/Right move, Up/Down speed, Num1 missile, Num2 Turbo</translation>
    </message>
    <message>
        <source>左方:以A,D鍵移動,以W鍵加速,以S鍵減速, G放飛彈,H用Turbo<byte value="xd"/>
</source>
        <translation>Left: A/D move, W/S speed, G missile, H Turbo<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>(左右移動時,車速會減慢,不停按鍵加速時,可到達極速境界,但速度太快時便會OverHeat,勝負關鍵在於能否以適當速度不停按加速鍵以保持極速但又不至OverHeat)</source>
        <translation>(Moving sideways slows the car down. Keep pressing accelerate to reach top speed, but go too fast and you OverHeat. The key to winning is to keep pressing accelerate at just the right pace, holding top speed without an OverHeat)</translation>
    </message>
    <message>
        <source>Halvard:你就是新來的</source>
        <translation>Halvard: So you&apos;re the new driver, </translation>
    </message>
    <message>
        <source>極速!!</source>
        <translation>Top speed!!</translation>
    </message>
    <message>
        <source>Skyforge射擊版-By Orvel</source>
        <translation>Skyforge Shooter - By Orvel</translation>
    </message>
    <message>
        <source>已連線</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Driftwing 網上對戰</source>
        <translation>Driftwing Online Battle</translation>
    </message>
    <message>
        <source>尚未連線</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>對話</source>
        <translation>Say</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>重新開始</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>連線</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>離開遊戲</source>
        <translation>Leave</translation>
    </message>
    <message>
        <source>A,D鍵移動 W鍵加速 S鍵減速 G放飛彈 H用Turbo</source>
        <translation>A/D move, W/S speed, G missile, H Turbo</translation>
    </message>
    <message>
        <source>極速 !!</source>
        <translation>Top speed !!</translation>
    </message>
    <message>
        <source>網路連線</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>你的名字</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>開新遊戲</source>
        <translation>Host a new game</translation>
    </message>
    <message>
        <source>加入其他遊戲</source>
        <translation>Join a game</translation>
    </message>
    <message>
        <source>閣下電腦的IP:</source>
        <translation>This computer&apos;s IP:</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>結束</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>輸入連結主機的IP:</source>
        <translation>Enter the host&apos;s IP:</translation>
    </message>
    <message>
        <source>等待加入中</source>
        <translation>Waiting for a player</translation>
    </message>
    <message>
        <source>正在連線到主機</source>
        <translation>Connecting to the host</translation>
    </message>
    <message>
        <source>向左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>向右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>加速</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>減速</source>
        <translation>Brake</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>暫停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>結束遊戲</source>
        <translation>Quit the game</translation>
    </message>
    <message>
        <source>紅方 向左</source>
        <translation>Red left</translation>
    </message>
    <message>
        <source>紅方 向右</source>
        <translation>Red right</translation>
    </message>
    <message>
        <source>紅方 加速</source>
        <translation>Red faster</translation>
    </message>
    <message>
        <source>紅方 減速</source>
        <translation>Red brake</translation>
    </message>
    <message>
        <source>紅方 飛彈</source>
        <translation>Red missile</translation>
    </message>
    <message>
        <source>紅方 渦輪</source>
        <translation>Red turbo</translation>
    </message>
    <message>
        <source>藍方 向左</source>
        <translation>Blue left</translation>
    </message>
    <message>
        <source>藍方 向右</source>
        <translation>Blue right</translation>
    </message>
    <message>
        <source>藍方 加速</source>
        <translation>Blue faster</translation>
    </message>
    <message>
        <source>藍方 減速</source>
        <translation>Blue brake</translation>
    </message>
    <message>
        <source>藍方 飛彈</source>
        <translation>Blue missile</translation>
    </message>
    <message>
        <source>藍方 渦輪</source>
        <translation>Blue turbo</translation>
    </message>
    <message>
        <source>飛彈</source>
        <translation>Missile</translation>
    </message>
    <message>
        <source>渦輪</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>一號機 向上</source>
        <translation>First ship up</translation>
    </message>
    <message>
        <source>一號機 向下</source>
        <translation>First ship down</translation>
    </message>
    <message>
        <source>一號機 開火</source>
        <translation>First ship fire</translation>
    </message>
    <message>
        <source>二號機 向上</source>
        <translation>Second ship up</translation>
    </message>
    <message>
        <source>二號機 向下</source>
        <translation>Second ship down</translation>
    </message>
    <message>
        <source>二號機 開火</source>
        <translation>Second ship fire</translation>
    </message>
    <message>
        <source>故事賽車</source>
        <translation>Story races</translation>
    </message>
    <message>
        <source>雙人對戰</source>
        <translation>Two-player battle</translation>
    </message>
    <message>
        <source>射擊遊戲</source>
        <translation>Shooter</translation>
    </message>
    <message>
        <source>（無）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>十字鍵上</source>
        <translation>D-pad up</translation>
    </message>
    <message>
        <source>十字鍵下</source>
        <translation>D-pad down</translation>
    </message>
    <message>
        <source>十字鍵左</source>
        <translation>D-pad left</translation>
    </message>
    <message>
        <source>十字鍵右</source>
        <translation>D-pad right</translation>
    </message>
    <message>
        <source>左扳機</source>
        <translation>left trigger</translation>
    </message>
    <message>
        <source>右扳機</source>
        <translation>right trigger</translation>
    </message>
    <message>
        <source>請按一個鍵…</source>
        <translation>Press a key…</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>聲音</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>按鍵</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>畫面</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>音樂</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>全部靜音</source>
        <translation>Mute all</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>手把的按鈕</source>
        <translation>Pad buttons</translation>
    </message>
    <message>
        <source>當作 %1 的是</source>
        <translation>%1 is pressed by</translation>
    </message>
    <message>
        <source>還原預設</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>全螢幕</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>語言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>繁體中文</source>
        <translation>Traditional Chinese</translation>
    </message>
    <message>
        <source>跟隨桌面</source>
        <translation>Follow the desktop</translation>
    </message>
    <message>
        <source>關閉</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>這個鍵也用於另一個動作</source>
        <translation>This key does another action too</translation>
    </message>
    <message>
        <source>手把%1：</source>
        <translation>Pad %1: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1同時用於%2和%3。</source>
        <translation>%1 is used for both %2 and %3.</translation>
    </message>
    <message>
        <source>%1已用於%2。</source>
        <translation>%1 is already used for %2.</translation>
    </message>
    <message>
        <source>給%1</source>
        <translation>Give it to %1</translation>
    </message>
    <message>
        <source>重播</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>播完了（按 Esc 關閉）</source>
        <translation>over (Esc closes)</translation>
    </message>
    <message>
        <source>暫停（按空白鍵繼續）</source>
        <translation>paused (Space goes on)</translation>
    </message>
    <message>
        <source>錄影</source>
        <translation>Replays</translation>
    </message>
    <message>
        <source>簡單</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>困難</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>第%1關</source>
        <translation>Stage %1</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>已損壞</source>
        <translation>Damaged</translation>
    </message>
    <message>
        <source>過關</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>失敗</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>中途離開</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>藍方勝</source>
        <translation>Blue won</translation>
    </message>
    <message>
        <source>紅方勝</source>
        <translation>Red won</translation>
    </message>
    <message>
        <source>不分勝負</source>
        <translation>No winner</translation>
    </message>
    <message>
        <source>遊戲結束</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>%1，第%2名</source>
        <translation>%1, rank %2</translation>
    </message>
    <message>
        <source>%1，%2分</source>
        <translation>%1, %2 points</translation>
    </message>
    <message>
        <source>比賽</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Played</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>還沒有錄影。你玩的每一場比賽、對戰和射擊遊戲都會留在這裡，隨時可以再看一次。</source>
        <translation>No recordings yet. Every race, battle and shooter game you play is kept here to watch again.</translation>
    </message>
    <message>
        <source>觀看</source>
        <translation>Watch</translation>
    </message>
    <message>
        <source>開啟資料夾</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>這個檔案不是完整的錄影，無法觀看。</source>
        <translation>This file is not a whole recording; it cannot be watched.</translation>
    </message>
    <message>
        <source>無法觀看：%1</source>
        <translation>Cannot watch it: %1</translation>
    </message>
</context>
</TS>
