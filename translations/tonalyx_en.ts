<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>tonalyx::DrumEditWindow</name>
    <message>
        <source>ピッチ</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>パン</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>リバーブ</source>
        <translation>Reverb</translation>
    </message>
    <message>
        <source>コーラス</source>
        <translation>Chorus</translation>
    </message>
    <message>
        <source>カットオフ</source>
        <translation>Cutoff</translation>
    </message>
    <message>
        <source>レゾナンス</source>
        <translation>Resonance</translation>
    </message>
    <message>
        <source>アタック</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>ディケイ</source>
        <translation>Decay</translation>
    </message>
    <message>
        <source>バリエーション</source>
        <translation>Variation</translation>
    </message>
    <message>
        <source>ドラム音エディット</source>
        <translation>Drum sound edit</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>キット %1 %2 ／ ノート %3 %4</source>
        <translation>Kit %1 %2 / note %3 %4</translation>
    </message>
    <message>
        <source>%1 にはこれらのパラメーターがありません</source>
        <translation>%1 has none of these parameters</translation>
    </message>
    <message>
        <source>未設定</source>
        <translation>(unset)</translation>
    </message>
</context>
<context>
    <name>tonalyx::ExportDialog</name>
    <message>
        <source>音源定義ファイルの書き出し</source>
        <translation>Export a definition file</translation>
    </message>
    <message>
        <source>形式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>音源マップ</source>
        <translation>Tone map</translation>
    </message>
    <message>
        <source>MIDNAM（Ardour、Qtractor、Logic など）</source>
        <translation>MIDNAM (Ardour, Qtractor, Logic, …)</translation>
    </message>
    <message>
        <source>Cakewalk 音源定義 .ins（SONAR、Qtractor、VMPK など）</source>
        <translation>Cakewalk instrument definitions .ins (SONAR, Qtractor, VMPK, …)</translation>
    </message>
    <message>
        <source>Domino 音源定義ファイル</source>
        <translation>Domino module definition</translation>
    </message>
    <message>
        <source>書き出し…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>音源定義ファイルの保存先</source>
        <translation>Save the definition file as</translation>
    </message>
    <message>
        <source>Cakewalk 音源定義 (*.ins)</source>
        <translation>Cakewalk instrument definitions (*.ins)</translation>
    </message>
    <message>
        <source>Domino 音源定義 (*.xml)</source>
        <translation>Domino module definition (*.xml)</translation>
    </message>
    <message>
        <source>%1 には書き出せる名前がありません。GS か XG のマップを選んでください。</source>
        <translation>%1 has no names to export. Choose a GS or XG map.</translation>
    </message>
    <message>
        <source>書き出しました: %1</source>
        <translation>Written: %1</translation>
    </message>
    <message>
        <source>%1 を書き出せません。
フォルダー %2 がありません。</source>
        <translation>Cannot write %1.
The folder %2 does not exist.</translation>
    </message>
    <message>
        <source>%1 を書き出せません。
フォルダーに書き込めないか、ディスクに空きがありません。
元のファイルはそのままです。</source>
        <translation>Cannot write %1.
The folder cannot be written to, or the disk is full.
The old file is unchanged.</translation>
    </message>
    <message>
        <source>お気に入り</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>お気に入りに書き出せる音がありません（GM2 の音は音を選ぶメッセージがないため除きます）。</source>
        <translation>The favourites hold no sound to export (GM2 sounds are left out: nothing selects them).</translation>
    </message>
</context>
<context>
    <name>tonalyx::Favourites</name>
    <message>
        <source>%1 はお気に入りのファイルではないため、変更を保存しません。</source>
        <translation>%1 is no favourites file, so changes are not saved to it.</translation>
    </message>
    <message>
        <source>%1 は新しい版の Tonalyx が書いたファイルのため、変更を保存しません。</source>
        <translation>%1 was written by a later version of Tonalyx, so changes are not saved to it.</translation>
    </message>
    <message>
        <source>%1 は大きすぎて全部は読めないため、変更を保存しません。</source>
        <translation>%1 is too large to be read whole, so changes are not saved to it.</translation>
    </message>
    <message>
        <source>%1 を読めないため、変更を保存しません。</source>
        <translation>%1 cannot be read, so changes are not saved to it.</translation>
    </message>
    <message>
        <source>お気に入りを %1 に保存できません。
フォルダーに書き込めないか、ディスクに空きがありません。
元のファイルはそのままです。</source>
        <translation>Cannot save the favourites to %1.
The folder cannot be written to, or the disk is full.
The file is unchanged.</translation>
    </message>
    <message>
        <source>お気に入りに追加</source>
        <translation>Add to favourites</translation>
    </message>
    <message>
        <source>お気に入り</source>
        <translation>Favourites</translation>
    </message>
</context>
<context>
    <name>tonalyx::FavouritesModel</name>
    <message>
        <source>キット %1  ノート %2</source>
        <translation>Kit %1  note %2</translation>
    </message>
    <message>
        <source>プログラム %1  バンク %2</source>
        <translation>Program %1  bank %2</translation>
    </message>
    <message>
        <source>%1 の音です。音源の種類（GS はマップも）を合わせると鳴ります。</source>
        <translation>A sound of %1: it plays when the module type (for GS, the map too) is its own.</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>音源</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>Numbers</translation>
    </message>
</context>
<context>
    <name>tonalyx::FavouritesWindow</name>
    <message>
        <source>お気に入り</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>読めない行が %1 行あります。ファイルにそのまま残しています。</source>
        <translation>Lines that could not be read: %1. They stay in the file as they were.</translation>
    </message>
    <message>
        <source>プログラムナンバーとドラムのウィンドウのメニュー「お気に入りに追加」、音色検索では Ctrl+D で音を加えます。</source>
        <translation>Add sounds with “Add to favourites” in the menus of the program number and drum note windows, or with Ctrl+D in the tone finder.</translation>
    </message>
</context>
<context>
    <name>tonalyx::FinderResults</name>
    <message>
        <source>プログラム</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>バンク</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>音色名</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>キット</source>
        <translation>Kit</translation>
    </message>
    <message>
        <source>ノート</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>楽器名</source>
        <translation>Instrument</translation>
    </message>
</context>
<context>
    <name>tonalyx::FinderWindow</name>
    <message>
        <source>音色検索</source>
        <translation>Find a sound</translation>
    </message>
    <message>
        <source>名前の一部を入力</source>
        <translation>Part of a name</translation>
    </message>
    <message>
        <source>音色</source>
        <translation>Tones</translation>
    </message>
    <message>
        <source>ドラム</source>
        <translation>Drums</translation>
    </message>
    <message>
        <source>%1 には検索できる名前がありません</source>
        <translation>%1 has no names to search</translation>
    </message>
    <message>
        <source>見つかりません</source>
        <translation>Nothing found</translation>
    </message>
    <message>
        <source>%1 件</source>
        <translation>%1 found</translation>
    </message>
</context>
<context>
    <name>tonalyx::MapChoice</name>
    <message>
        <source>音源マップ</source>
        <translation>Tone map</translation>
    </message>
</context>
<context>
    <name>tonalyx::MidiClipBar</name>
    <message>
        <source>MIDIファイルとして保存…</source>
        <translation>Save as MIDI file…</translation>
    </message>
    <message>
        <source>MIDIファイルをコピー</source>
        <translation>Copy MIDI file</translation>
    </message>
    <message>
        <source>テストノート</source>
        <translation>Test note</translation>
    </message>
    <message>
        <source>MIDIチャンネル</source>
        <translation>MIDI channel</translation>
    </message>
    <message>
        <source>GM2 の音は MIDI ファイルにできません（音を選ぶメッセージがありません）</source>
        <translation>GM2 sounds make no MIDI file (no message selects them)</translation>
    </message>
    <message>
        <source>シーケンサーのトラックへドラッグ。右クリックで保存とコピー</source>
        <translation>Drag onto a sequencer track; right-click to save or copy</translation>
    </message>
</context>
<context>
    <name>tonalyx::SongClip</name>
    <message>
        <source>GM2 では音を選ぶメッセージを送らないため、MIDIファイルにできません。</source>
        <translation>GM2 sends no message that selects a sound, so there is no MIDI file to make.</translation>
    </message>
    <message>
        <source>MIDIファイルを一時フォルダー %1 に書けません。</source>
        <translation>Cannot write the MIDI file to the temporary folder %1.</translation>
    </message>
    <message>
        <source>MIDIファイルの保存先</source>
        <translation>Save the MIDI file as</translation>
    </message>
    <message>
        <source>MIDIファイル (*.mid)</source>
        <translation>MIDI files (*.mid)</translation>
    </message>
    <message>
        <source>%1 を保存できません。
フォルダー %2 がありません。</source>
        <translation>Cannot save %1.
The folder %2 does not exist.</translation>
    </message>
    <message>
        <source>%1 を保存できません。
フォルダーに書き込めないか、ディスクに空きがありません。
元のファイルはそのままです。</source>
        <translation>Cannot save %1.
The folder cannot be written to, or the disk is full.
The old file is unchanged.</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm1</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>音源の種類の設定</source>
        <translation>Module type…</translation>
    </message>
    <message>
        <source>音源マップの設定</source>
        <translation>Tone map…</translation>
    </message>
    <message>
        <source>音源定義ファイルの書き出し…</source>
        <translation>Export definition file…</translation>
    </message>
    <message>
        <source>ＭＩＤＩデバイスが開けません</source>
        <translation>Cannot open the MIDI device</translation>
    </message>
    <message>
        <source>MIDI入力</source>
        <translation>MIDI input</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm10</name>
    <message>
        <source>音源マップの設定</source>
        <translation>Tone map</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm11</name>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>楽器名=</source>
        <translation>Name=</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm12</name>
    <message>
        <source>プログラムナンバー=</source>
        <translation>Program number=</translation>
    </message>
    <message>
        <source>バンクセレクト=</source>
        <translation>Bank select=</translation>
    </message>
    <message>
        <source>楽器名=</source>
        <translation>Name=</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>（エディット中）</source>
        <translation> (edited)</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm2</name>
    <message>
        <source>ウィンドウ</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>バンクセレクトMSB</source>
        <translation>Bank select MSB</translation>
    </message>
    <message>
        <source>エフェクト</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>鍵盤</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>音色検索</source>
        <translation>Find a sound</translation>
    </message>
    <message>
        <source>音色エディット</source>
        <translation>Tone edit</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm3</name>
    <message>
        <source>音源の種類</source>
        <translation>Module type</translation>
    </message>
    <message>
        <source>GM2(未実装）</source>
        <translation>GM2 (not yet)</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm4</name>
    <message>
        <source>ウィンドウ</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>プログラムナンバー</source>
        <translation>Program number</translation>
    </message>
    <message>
        <source>エフェクト</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>音色検索</source>
        <translation>Find a sound</translation>
    </message>
    <message>
        <source>ドラム音エディット</source>
        <translation>Drum sound edit</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm6</name>
    <message>
        <source>バンクセレクト MSB</source>
        <translation>Bank select MSB</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm7</name>
    <message>
        <source>ベロシティー=</source>
        <translation>Velocity=</translation>
    </message>
    <message>
        <source>モジュレーション=</source>
        <translation>Modulation=</translation>
    </message>
    <message>
        <source>リバーブ=</source>
        <translation>Reverb=</translation>
    </message>
    <message>
        <source>コーラス=</source>
        <translation>Chorus=</translation>
    </message>
    <message>
        <source>ディレイ=</source>
        <translation>Delay=</translation>
    </message>
    <message>
        <source>パンポット=</source>
        <translation>Pan=</translation>
    </message>
    <message>
        <source>ピッチベンドチェンジ=</source>
        <translation>Pitch bend=</translation>
    </message>
    <message>
        <source>ピッチベンドセンシティビティ=</source>
        <translation>Bend range=</translation>
    </message>
    <message>
        <source>エフェクト</source>
        <translation>Effects</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm8</name>
    <message>
        <source>鍵盤</source>
        <translation>Keyboard</translation>
    </message>
</context>
<context>
    <name>tonalyx::TForm9</name>
    <message>
        <source>音源マップの設定</source>
        <translation>Tone map</translation>
    </message>
</context>
<context>
    <name>tonalyx::ToneEditWindow</name>
    <message>
        <source>ビブラートレート</source>
        <translation>Vibrato rate</translation>
    </message>
    <message>
        <source>ビブラートデプス</source>
        <translation>Vibrato depth</translation>
    </message>
    <message>
        <source>ビブラートディレイ</source>
        <translation>Vibrato delay</translation>
    </message>
    <message>
        <source>カットオフ</source>
        <translation>Cutoff</translation>
    </message>
    <message>
        <source>レゾナンス</source>
        <translation>Resonance</translation>
    </message>
    <message>
        <source>アタック</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>ディケイ</source>
        <translation>Decay</translation>
    </message>
    <message>
        <source>リリース</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>音色エディット</source>
        <translation>Tone edit</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>リバーブ</source>
        <translation>Reverb</translation>
    </message>
    <message>
        <source>コーラス</source>
        <translation>Chorus</translation>
    </message>
    <message>
        <source>%1 にはこれらのパラメーターがありません</source>
        <translation>%1 has none of these parameters</translation>
    </message>
    <message>
        <source>音源の既定</source>
        <translation>Module default</translation>
    </message>
</context>
</TS>
