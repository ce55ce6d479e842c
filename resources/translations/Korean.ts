<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko">
<context>
    <name>BackupManage</name>
    <message>
        <source>Backup Management</source>
        <translation>백업 관리</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>생성 시간</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this backup?</source>
        <translation>이 백업을 삭제하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>BakPreview</name>
    <message>
        <source>Backup Preview</source>
        <translation>백업 미리 보기</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Blockquote</source>
        <translation>인용구</translation>
    </message>
    <message>
        <source>Bold Color</source>
        <translation>굵은 글꼴 색상</translation>
    </message>
    <message>
        <source>Code Block Color</source>
        <translation>코드 블록 색상</translation>
    </message>
    <message>
        <source>Editor Background</source>
        <translation>편집기 배경</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>제목 색상</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>가로줄</translation>
    </message>
    <message>
        <source>Image Color</source>
        <translation>이미지 색상</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>인라인 코드</translation>
    </message>
    <message>
        <source>Italic Color</source>
        <translation>기울임꼴 색상</translation>
    </message>
    <message>
        <source>Keyword Color</source>
        <translation>키워드 색상</translation>
    </message>
    <message>
        <source>Line Number Bg</source>
        <translation>줄 번호 배경</translation>
    </message>
    <message>
        <source>Line Number Color</source>
        <translation>줄 번호 색상</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>링크 색상</translation>
    </message>
    <message>
        <source>List Color</source>
        <translation>목록 색상</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>취소선</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>표 색상</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>텍스트 색상</translation>
    </message>
    <message>
        <source>Create a blank document</source>
        <translation>빈 문서 만들기</translation>
    </message>
    <message>
        <source>Open the most recently closed document</source>
        <translation>최근에 닫은 문서 열기</translation>
    </message>
    <message>
        <source>Keep Image Path</source>
        <translation>이미지 경로 유지</translation>
    </message>
    <message>
        <source>Copy the image to the ./${filename}.assets Folder</source>
        <translation>이미지를 ./${filename}.assets 폴더에 복사</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Your system language is not supported, English will be used.</source>
        <translation>시스템 언어가 지원되지 않아 영어로 표시됩니다.</translation>
    </message>
    <message>
        <source>Theme Modification Tutorial</source>
        <translation>테마 수정 안내</translation>
    </message>
    <message>
        <source>1. Click the "Open Theme Folder" button below to open the theme directory.</source>
        <translation>1. 아래의 “테마 폴더 열기” 버튼을 클릭하여 테마 디렉터리를 엽니다.</translation>
    </message>
    <message>
        <source>2. Find the .css file of your current theme and open it with Notepad.</source>
        <translation>2. 현재 테마의 .css 파일을 찾아 메모장으로 엽니다.</translation>
    </message>
    <message>
        <source>3. Find or add this style:</source>
        <translation>3. 다음 스타일을 찾거나 추가합니다:</translation>
    </message>
    <message>
        <source>16px = font size</source>
        <translation>16px = 글꼴 크기</translation>
    </message>
    <message>
        <source>Microsoft YaHei = font family</source>
        <translation>Microsoft YaHei = 글꼴</translation>
    </message>
    <message>
        <source>If you need help, please send us feedback!</source>
        <translation>도움이 필요하시면 피드백을 보내 주세요!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Visual Editor Theme</source>
        <translation>비주얼 편집기 테마</translation>
    </message>
    <message>
        <source>Code Block Theme</source>
        <translation>코드 블록 테마</translation>
    </message>
    <message>
        <source>Editor Theme Settings</source>
        <translation>편집기 테마 설정</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>시작 옵션</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>자동 백업</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>왼쪽 사이드바 표시</translation>
    </message>
    <message>
        <source>Image Copy Method</source>
        <translation>이미지 복사 방식</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>확대/축소</translation>
    </message>
    <message>
        <source>File Association</source>
        <translation>파일 연결</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Associate with .md Files</source>
        <translation>.md 파일과 연결</translation>
    </message>
    <message>
        <source>How to customize visual editor theme styles</source>
        <translation>비주얼 편집기 테마 스타일을 사용자 지정하는 방법</translation>
    </message>
    <message>
        <source>Open Theme Folder</source>
        <translation>테마 폴더 열기</translation>
    </message>
    <message>
        <source>Code Block Style</source>
        <translation>코드 블록 스타일</translation>
    </message>
    <message>
        <source>Please see CodeMirror theme demo</source>
        <translation>CodeMirror 테마 데모를 참고하세요</translation>
    </message>
    <message>
        <source>Source Editor Theme Settings</source>
        <translation>소스 편집기 테마 설정</translation>
    </message>
    <message>
        <source>Current Theme:</source>
        <translation>현재 테마:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Save Theme</source>
        <translation>테마 저장</translation>
    </message>
    <message>
        <source>Font Family</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Association failed: may require administrator privileges.</source>
        <translation>연결 실패: 관리자 권한이 필요할 수 있습니다.</translation>
    </message>
    <message>
        <source>Successfully associated with .md files!</source>
        <translation>.md 파일과 연결되었습니다!</translation>
    </message>
    <message>
        <source>Successfully removed .md file association.</source>
        <translation>.md 파일 연결을 해제했습니다.</translation>
    </message>
    <message>
        <source>Failed to remove association.</source>
        <translation>연결을 해제하지 못했습니다.</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>색상 선택</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>저장하지 못했습니다!</translation>
    </message>
    <message>
        <source>Saved!</source>
        <translation>저장되었습니다!</translation>
    </message>
    <message>
        <source>Copy Theme</source>
        <translation>테마 복사</translation>
    </message>
    <message>
        <source>New theme name:</source>
        <translation>새 테마 이름:</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>이미 사용 중인 이름입니다!</translation>
    </message>
    <message>
        <source>Copied successfully!</source>
        <translation>복사되었습니다!</translation>
    </message>
    <message>
        <source>Delete this theme?</source>
        <translation>이 테마를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Load remote images</source>
        <translation>원격 이미지 불러오기</translation>
    </message>
    <message>
        <source>Spell Checking</source>
        <translation>맞춤법 검사</translation>
    </message>
    <message>
        <source>Check spelling as you type</source>
        <translation>입력하는 동안 맞춤법 검사</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed: spell checking needs a Hunspell dictionary (.dic and .aff files) in %1.</source>
        <translation>맞춤법 사전이 설치되어 있지 않습니다. 맞춤법 검사에는 %1에 Hunspell 사전(.dic 및 .aff 파일)이 필요합니다.</translation>
    </message>
</context>
<context>
    <name>Content</name>
    <message>
        <source>Set Hyperlink</source>
        <translation>하이퍼링크 설정</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>텍스트:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>링크:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>잘못된 URL</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>삭제 확인</translation>
    </message>
    <message>
        <source>Are you sure you want to delete?</source>
        <translation>삭제하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. The document was recovered as it was at %1; what was typed in the Visual Editor after that is lost.</source>
        <translation>비주얼 편집기가 예기치 않게 중지되어 다시 시작했습니다. 문서는 %1 시점의 상태로 복구되었으며, 그 이후 비주얼 편집기에 입력한 내용은 손실되었습니다.</translation>
    </message>
    <message>
        <source>The Visual Editor stopped unexpectedly and was started again. Nothing was lost.</source>
        <translation>비주얼 편집기가 예기치 않게 중지되어 다시 시작했습니다. 손실된 내용은 없습니다.</translation>
    </message>
</context>
<context>
    <name>ExcelHelper</name>
    <message>
        <source>Export Failed</source>
        <translation>내보내기 실패</translation>
    </message>
    <message>
        <source>The HTML content is empty.</source>
        <translation>HTML 내용이 비어 있습니다.</translation>
    </message>
    <message>
        <source>Failed to parse HTML content.</source>
        <translation>HTML 내용을 분석하지 못했습니다.</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel 파일 저장</translation>
    </message>
    <message>
        <source>Excel Files (*.xlsx)</source>
        <translation>Excel 파일 (*.xlsx)</translation>
    </message>
    <message>
        <source>Export Success</source>
        <translation>내보내기 성공</translation>
    </message>
    <message>
        <source>File saved successfully to:
%1</source>
        <translation>파일을 저장했습니다:
%1</translation>
    </message>
    <message>
        <source>Could not save the file. Please check permissions.</source>
        <translation>파일을 저장할 수 없습니다. 권한을 확인하세요.</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>Email Feedback</source>
        <translation>이메일 피드백</translation>
    </message>
    <message>
        <source>GitHub Feedback</source>
        <translation>GitHub 피드백</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>FindPanel</name>
    <message>
        <source>Find:</source>
        <translation>찾기:</translation>
    </message>
    <message>
        <source>keyword...</source>
        <translation>키워드...</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>이전 찾기</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>다음 찾기</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>대/소문자 구분</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>바꿀 내용:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>바꾸기 &amp;&amp; 찾기</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>모두 바꾸기</translation>
    </message>
</context>
<context>
    <name>ImageHostEditDialog</name>
    <message>
        <source>Image Host Configuration</source>
        <translation>이미지 호스트 설정</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>업로드 URL</translation>
    </message>
    <message>
        <source>Request Method</source>
        <translation>요청 메서드</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>파일 필드</translation>
    </message>
    <message>
        <source>JSON URL Path</source>
        <translation>JSON URL 경로</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Request Headers</source>
        <translation>요청 헤더</translation>
    </message>
    <message>
        <source>Form Parameters</source>
        <translation>폼 매개변수</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>값</translation>
    </message>
</context>
<context>
    <name>ImageHostManagerWidget</name>
    <message>
        <source>Image Host Manager</source>
        <translation>이미지 호스트 관리</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Test Upload</source>
        <translation>업로드 테스트</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Upload URL</source>
        <translation>업로드 URL</translation>
    </message>
    <message>
        <source>File Field</source>
        <translation>파일 필드</translation>
    </message>
    <message>
        <source>JSON Path</source>
        <translation>JSON 경로</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Are you sure to delete?</source>
        <translation>삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Please select an image host first.</source>
        <translation>먼저 이미지 호스트를 선택하세요.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg)</source>
        <translation>이미지 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Upload Success</source>
        <translation>업로드 성공</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>업로드 실패</translation>
    </message>
</context>
<context>
    <name>IssueDialog</name>
    <message>
        <source>Submit GitHub Issue</source>
        <translation>GitHub 이슈 제출</translation>
    </message>
    <message>
        <source>Please enter feedback title...</source>
        <translation>피드백 제목을 입력하세요...</translation>
    </message>
    <message>
        <source>Please describe your problem or suggestion...</source>
        <translation>문제나 제안 사항을 설명해 주세요...</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>제출</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>LaTeXEditorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>서식</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>표</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>확대/축소</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>도구 모음</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>번호 매기기 목록</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>글머리 기호 목록</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>인용</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>인라인 코드</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>가로줄</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>링크</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>서식 지우기</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>서식 지우기</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>취소선</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>표 삽입</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>링크 제거</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>코드 블록</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>새 창</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>후원하기</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message>
        <source>Restore Default Zoom</source>
        <translation>기본 배율로 복원</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>제목 1</translation>
    </message>
    <message>
        <source>H1</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>H1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>제목 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>제목 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>제목 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>제목 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>제목 6</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>단락</translation>
    </message>
    <message>
        <source>Paragraph Indent</source>
        <translation>단락 들여쓰기</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>기울임꼴</translation>
    </message>
    <message>
        <source>Paste as Plain Text</source>
        <translation>일반 텍스트로 붙여넣기</translation>
    </message>
    <message>
        <source>Paste as Plain text</source>
        <translation>일반 텍스트로 붙여넣기</translation>
    </message>
    <message>
        <source>Insert Row Below</source>
        <translation>아래에 행 삽입</translation>
    </message>
    <message>
        <source>Insert Row Above</source>
        <translation>위에 행 삽입</translation>
    </message>
    <message>
        <source>Insert Column to the Left</source>
        <translation>왼쪽에 열 삽입</translation>
    </message>
    <message>
        <source>Insert Column to the Right</source>
        <translation>오른쪽에 열 삽입</translation>
    </message>
    <message>
        <source>Move Current Row Up</source>
        <translation>현재 행을 위로 이동</translation>
    </message>
    <message>
        <source>Move Current Row Down</source>
        <translation>현재 행을 아래로 이동</translation>
    </message>
    <message>
        <source>Move Current Column Left</source>
        <translation>현재 열을 왼쪽으로 이동</translation>
    </message>
    <message>
        <source>Move Current Column to the Right</source>
        <translation>현재 열을 오른쪽으로 이동</translation>
    </message>
    <message>
        <source>Align Current Column to the Left</source>
        <translation>현재 열 왼쪽 정렬</translation>
    </message>
    <message>
        <source>Center Align the Current Column</source>
        <translation>현재 열 가운데 정렬</translation>
    </message>
    <message>
        <source>Align the Current Column to the Right</source>
        <translation>현재 열 오른쪽 정렬</translation>
    </message>
    <message>
        <source>Delete Current Row</source>
        <translation>현재 행 삭제</translation>
    </message>
    <message>
        <source>Delete Current Column</source>
        <translation>현재 열 삭제</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>표 삭제</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Image Hosting Service</source>
        <translation>이미지 호스팅 서비스</translation>
    </message>
    <message>
        <source>Download Portable Version</source>
        <translation>포터블 버전 다운로드</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Get HTML</source>
        <translation>HTML 가져오기</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>공식 웹사이트</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>Source Code Editor</source>
        <translation>소스 코드 편집기</translation>
    </message>
    <message>
        <source>Visual Editor</source>
        <translation>비주얼 편집기</translation>
    </message>
    <message>
        <source>Enter keywords to search...</source>
        <translation>검색할 키워드를 입력하세요...</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>탐색</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>File Browser</source>
        <translation>파일 탐색기</translation>
    </message>
    <message>
        <source>Recently Opened</source>
        <translation>최근 연 파일</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Blue Sky</source>
        <translation>블루 스카이</translation>
    </message>
    <message>
        <source>word</source>
        <translation>단어</translation>
    </message>
    <message>
        <source>Please click here...</source>
        <translation>여기를 클릭하세요...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message>
        <source>Find &amp; Replace</source>
        <translation>찾기 및 바꾸기</translation>
    </message>
    <message>
        <source>Hide Left Sidebar</source>
        <translation>왼쪽 사이드바 숨기기</translation>
    </message>
    <message>
        <source>Show Left Sidebar</source>
        <translation>왼쪽 사이드바 표시</translation>
    </message>
    <message>
        <source>Backup Successful</source>
        <translation>백업 완료</translation>
    </message>
    <message>
        <source>Backup Deleted</source>
        <translation>백업 삭제됨</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>%1 파일을 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Open the Markdown file</source>
        <translation>Markdown 파일 열기</translation>
    </message>
    <message>
        <source>Save Markdown File</source>
        <translation>Markdown 파일 저장</translation>
    </message>
    <message>
        <source>Cannot save file %1: %2</source>
        <translation>%1 파일을 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Saved Successfully</source>
        <translation>저장 완료</translation>
    </message>
    <message>
        <source>The document could not be read from the Visual Editor, so nothing was written. Please try again in a moment.</source>
        <translation>비주얼 편집기에서 문서를 읽을 수 없어 아무것도 저장되지 않았습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Zoom Ratio %1%</source>
        <translation>배율 %1%</translation>
    </message>
    <message>
        <source>Copy Successful</source>
        <translation>복사 완료</translation>
    </message>
    <message>
        <source>Paste operation</source>
        <translation>붙여넣기 작업</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>표 설정</translation>
    </message>
    <message>
        <source>Export Successful</source>
        <translation>내보내기 완료</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2</source>
        <translation>%1(으)로 내보낼 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The editor did not give its document.</source>
        <translation>편집기에서 문서를 받지 못했습니다.</translation>
    </message>
    <message>
        <source>Export Option</source>
        <translation>내보내기 옵션</translation>
    </message>
    <message>
        <source>Do you want to generate a fixed table of contents sidebar with heading navigation?</source>
        <translation>제목 탐색 기능이 있는 고정 목차 사이드바를 생성하시겠습니까?</translation>
    </message>
    <message>
        <source>Export HTML File</source>
        <translation>HTML 파일 내보내기</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML 파일 (*.html)</translation>
    </message>
    <message>
        <source>Export Word File</source>
        <translation>Word 파일 내보내기</translation>
    </message>
    <message>
        <source>Word File (*.doc)</source>
        <translation>Word 파일 (*.doc)</translation>
    </message>
    <message>
        <source>Export PDF File</source>
        <translation>PDF 파일 내보내기</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>페이지를 인쇄할 수 없습니다.</translation>
    </message>
    <message>
        <source>Print Successful</source>
        <translation>인쇄 완료</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>인쇄 실패</translation>
    </message>
    <message>
        <source>No matching text found!</source>
        <translation>일치하는 텍스트를 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Please enter text to find!</source>
        <translation>찾을 텍스트를 입력하세요!</translation>
    </message>
    <message>
        <source>No matching text to replace!</source>
        <translation>바꿀 일치 항목이 없습니다!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences!</source>
        <translation>%1개 항목을 바꿨습니다!</translation>
    </message>
    <message>
        <source>LaTeX</source>
        <translatorcomment>unchanged</translatorcomment>
        <translation>LaTeX</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Excel로 내보내기</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>![Image ALT](%1)</source>
        <translation>![이미지 설명](%1)</translation>
    </message>
    <message>
        <source>The current document has not been saved. Please save the file first before pasting images.</source>
        <translation>현재 문서가 저장되지 않았습니다. 이미지를 붙여넣기 전에 먼저 파일을 저장하세요.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>디렉터리 선택</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>업데이트 알림</translation>
    </message>
    <message>
        <source>You are currently using the latest version. No update required.</source>
        <translation>최신 버전을 사용 중입니다. 업데이트가 필요하지 않습니다.</translation>
    </message>
    <message>
        <source>Upgrade Prompt</source>
        <translation>업그레이드 알림</translation>
    </message>
    <message>
        <source>A new version has been detected</source>
        <translation>새 버전이 있습니다</translation>
    </message>
    <message>
        <source>The updater could not be started: %1</source>
        <translation>업데이트 프로그램을 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>A backup of %1 from %2 holds changes that were never saved. Restore it?</source>
        <translation>%2에 만들어진 %1의 백업에 저장되지 않은 변경 내용이 있습니다. 복원하시겠습니까?</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>인코딩: %1</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>변경 내용을 %1에 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved. Overwrite those changes?</source>
        <translation>%1 파일을 열거나 저장한 이후 다른 프로그램에서 파일을 변경했습니다. 그 변경 내용을 덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>The document holds characters that the file's encoding, %1, cannot hold. Save it in UTF-8 instead?</source>
        <translation>문서에 파일 인코딩(%1)으로 저장할 수 없는 문자가 있습니다. 대신 UTF-8로 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 was deleted or moved by another program.</source>
        <translation>다른 프로그램에서 %1 파일을 삭제하거나 이동했습니다.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it and lose your unsaved changes?</source>
        <translation>다른 프로그램에서 %1 파일을 변경했습니다. 저장하지 않은 변경 내용을 버리고 다시 불러오시겠습니까?</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>다른 프로그램에서 %1 파일을 변경하여 다시 불러왔습니다.</translation>
    </message>
    <message>
        <source>Open %1 with the program the system uses for it?</source>
        <translation>시스템이 사용하는 프로그램으로 %1을(를) 여시겠습니까?</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>업데이트를 확인할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>MarkdownFile</name>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>NUL 바이트가 포함되어 있어 텍스트 파일이 아닙니다</translation>
    </message>
</context>
<context>
    <name>MsgBoxHelper</name>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Don't Save</source>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RegistryHelper</name>
    <message>
        <source>File Association</source>
        <translation>파일 연결</translation>
    </message>
    <message>
        <source>Do you want to set this application as the default program for opening .md files?
If you select No, you can change it in the settings menu later.</source>
        <translation>이 프로그램을 .md 파일을 여는 기본 프로그램으로 설정하시겠습니까?
“아니요”를 선택해도 나중에 설정 메뉴에서 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Failed to set default association: Administrator privileges may be required or system policy blocked the operation.</source>
        <translation>기본 연결을 설정하지 못했습니다: 관리자 권한이 필요하거나 시스템 정책에 의해 작업이 차단되었을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>SetImageWindow</name>
    <message>
        <source>Set Image</source>
        <translation>이미지 설정</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Link: (supports local paths or network URLs)</source>
        <translation>링크: (로컬 경로 또는 네트워크 URL 지원)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>이미지 선택</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.bmp *.png *.gif);;All Files (*.*)</source>
        <translation>이미지 (*.jpg *.jpeg *.bmp *.png *.gif);;모든 파일 (*.*)</translation>
    </message>
    <message>
        <source>Invalid Image Path</source>
        <translation>잘못된 이미지 경로</translation>
    </message>
</context>
<context>
    <name>SpellingMenu</name>
    <message>
        <source>No Suggestions</source>
        <translation>제안 없음</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>사전에 추가</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>무시</translation>
    </message>
</context>
<context>
    <name>TableDialog</name>
    <message>
        <source>Rows</source>
        <translation>행 수</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>열 수</translation>
    </message>
    <message>
        <source>Set Up Table</source>
        <translation>표 설정</translation>
    </message>
</context>
<context>
    <name>UniversalImageUploader</name>
    <message>
        <source>Failed to open file.</source>
        <translation>파일을 열지 못했습니다.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>네트워크 오류: %1</translation>
    </message>
    <message>
        <source>Response is not a valid JSON object.</source>
        <translation>응답이 유효한 JSON 개체가 아닙니다.</translation>
    </message>
    <message>
        <source>Failed to parse image URL from JSON.</source>
        <translation>JSON에서 이미지 URL을 분석하지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>About Us</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>is an easily accessible Markdown editing tool. Users can use it to write documents and it also supports exporting to PDF and other features.</source>
        <translation>은 누구나 쉽게 사용할 수 있는 Markdown 편집 도구입니다. 문서를 작성할 수 있으며 PDF 내보내기 등 다양한 기능을 지원합니다.</translation>
    </message>
    <message>
        <source> version %1</source>
        <translation> 버전 %1</translation>
    </message>
    <message>
        <source>by the Penwick developers</source>
        <translation>Penwick 개발자 제작</translation>
    </message>
</context>
</TS>